#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <wx/slider.h>

#include "core/interaction/MenuCommands.h"
#include "core/scene/AquariumScene.h"
#include "platform/ProgramNames.h"
#include "support/LiveTank.h"
#include "ui/DialogControlIds.h"

TEST(CustomMusicDialog,
     ChosenTracksPlayPassingOverOnesThatCannotTheButtonsTakeTheSelectedRowAndTheListIsKept) {
    TempDir music;
    // A text file named as a song, a track that vanishes while it plays, and one that stays.
    const std::filesystem::path text = music.Path() / "notes.mp3";
    const std::filesystem::path vanishing = music.Path() / "vanishing.wav";
    const std::filesystem::path track = music.Path() / "tone.wav";
    WriteFile(text, "Dear diary,\nthis is not music.\n");
    WriteFile(vanishing, ToneWav(2000, 2000.0));
    WriteFile(track, ToneWav(2000, 2000.0));
    // The toolkit's profile keeps the volume in the home folder.
    TempDir home;
    const ScopedEnv homeEnv("HOME", home.Path().string());
    const std::filesystem::path profile = home.Path() / ".VelmarScr";
    WriteFile(profile, "[Settings]\nVolume=250\n");
    using namespace music_ids;
    LiveTank tank(1024, 768, "");
    tank.Run([&](LiveTank& tank) {
        // The modeless dialogs leave the user in Catch mode.
        tank.ChooseMode(Mode::kZoomIn);
        tank.Server().ChooseFromMenu(100, 100, 6);  // "  Custom Music"
        LiveDialog dialog(tank, DialogTitle("Custom Music"));
        ASSERT_TRUE(dialog.Shown());
        EXPECT_EQ(tank.Read<Mode>([](auto& s) { return s.CurrentMode(); }), Mode::kCatch);
        EXPECT_TRUE(dialog.WaitFor<wxSlider>(kVolume, [](auto& s) { return s.GetValue() == 250; }))
            << "the volume the last run kept";
        for (const std::filesystem::path& path : {text, vanishing, track})
            ASSERT_TRUE(dialog.ChooseFile(kAddMusic, "Add Music", path.string()));
        ASSERT_TRUE(dialog.WaitFor(kList, [](auto& l) { return l.GetItemCount() == 3; }));

        dialog.Click(kRepeatAll);
        dialog.Click(kPlay);
        // The playing row turns green, and the selection follows it.
        const auto greenRow = [&] {
            return dialog.Read<int>(kList, [](wxListCtrl& list) {
                int row = list.GetItemCount() - 1;
                while (row >= 0 && list.GetItemBackgroundColour(row) != wxColour(0, 255, 0)) --row;
                return row;
            });
        };
        const auto selected = [&](int row) {
            return dialog.WaitFor(kList, [row](auto& l) {
                return l.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED) == row;
            });
        };
        const auto plays = [&](int row) {
            return PollUntil([&] { return greenRow() == row; }, kPatientMs) &&
                   (row < 0 || selected(row));
        };
        EXPECT_TRUE(plays(1)) << "the text is passed over";
        std::filesystem::remove(vanishing);
        EXPECT_TRUE(plays(2)) << "it played to its end";
        EXPECT_TRUE(PollUntil([&] { return greenRow() != 2; }, kPatientMs));
        EXPECT_TRUE(plays(2)) << "both others passed over";
        // A click plays its row, even one the keys selected already.
        WriteFile(vanishing, ToneWav(20000, 2000.0));
        dialog.Click(kList, 1);
        EXPECT_TRUE(plays(1));
        tank.Server().Run("xdotool key Down");
        EXPECT_TRUE(selected(2));
        dialog.Click(kList, 2);
        EXPECT_TRUE(plays(2));
        // Play and Remove take the row the user sees selected, not the one clicked last.
        for (const int button : {kPlay, kRemove}) {
            dialog.Click(kStop);
            EXPECT_TRUE(plays(-1));
            dialog.Click(kList, 2);
            tank.Server().Run("xdotool key Up");
            EXPECT_TRUE(selected(1));
            dialog.Click(button);
            int played = -1;
            EXPECT_TRUE(
                button != kPlay ||
                (PollUntil([&] { return (played = greenRow()) != -1; }, kPatientMs) && played == 1))
                << played;
        }
        EXPECT_TRUE(dialog.WaitFor(kList, [](auto& l) { return l.GetItemCount() == 2; }));

        dialog.Click(kVolume);
        tank.Server().Run("xdotool key Home");
        EXPECT_TRUE(dialog.WaitFor<wxSlider>(kVolume, [](auto& s) { return s.GetValue() == 0; }));
        tank.Server().Close(dialog.Window());
        EXPECT_TRUE(dialog.Gone());
        EXPECT_NE(ReadFile(profile).find("Volume=0"), std::string::npos);
        const std::string file = ReadFile(tank.SettingsPath());
        for (const std::string& line :
             std::vector<std::string>{"MusicSum=2", "MusicList1=" + track.string(), "OwnMusic=1"})
            EXPECT_NE(file.find(line), std::string::npos) << line << " in\n" << file;
    });
}
