#include <gtest/gtest.h>

#include <filesystem>

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
    LiveTank tank(1024, 768, "");
    tank.Run([&](LiveTank& tank) {
        // The modeless dialogs leave the user in Catch mode.
        tank.ChooseMode(Mode::kZoomIn);
        tank.Server().ChooseFromMenu(100, 100, 6);  // "  Custom Music"
        LiveDialog dialog(tank, DialogTitle("Custom Music"));
        ASSERT_TRUE(dialog.Shown());
        EXPECT_EQ(tank.Read<Mode>([](auto& s) { return s.CurrentMode(); }), Mode::kCatch);
        const auto volume = [&] {
            return dialog.Read<int, wxSlider>(music_ids::kVolume,
                                              [](auto& s) { return s.GetValue(); });
        };
        EXPECT_EQ(volume(), 250) << "the volume the last run kept";
        const auto rows = [](wxListCtrl& list) { return list.GetItemCount(); };
        for (const std::filesystem::path& path : {text, vanishing, track}) {
            const int before = dialog.Read<int>(music_ids::kList, rows);
            ASSERT_TRUE(dialog.ChooseFile(music_ids::kAddMusic, "Add Music", path.string()));
            ASSERT_TRUE(
                PollUntil([&] { return dialog.Read<int>(music_ids::kList, rows) == before + 1; },
                          kPatientMs));
        }

        dialog.Click(music_ids::kRepeatAll);
        dialog.Click(music_ids::kPlay);
        // The playing row turns green.
        const auto greenRow = [&] {
            return dialog.Read<int>(music_ids::kList, [](wxListCtrl& list) {
                int row = list.GetItemCount() - 1;
                while (row >= 0 && list.GetItemBackgroundColour(row) != wxColour(0, 255, 0)) --row;
                return row;
            });
        };
        const auto turnsGreen = [&](int row) {
            return PollUntil([&] { return greenRow() == row; }, kPatientMs);
        };
        const auto selected = [&](int row) {
            return PollUntil([&] { return dialog.SelectedRow(music_ids::kList) == row; },
                             kPatientMs);
        };
        EXPECT_TRUE(turnsGreen(1)) << "the text is passed over";
        std::filesystem::remove(vanishing);
        EXPECT_TRUE(turnsGreen(2)) << "it played to its end";
        EXPECT_TRUE(PollUntil([&] { return greenRow() != 2; }, kPatientMs));
        EXPECT_TRUE(turnsGreen(2)) << "both others passed over";
        EXPECT_TRUE(selected(2)) << "the selection follows the playing row";
        // A click plays its row, even one the keys selected already.
        WriteFile(vanishing, ToneWav(20000, 2000.0));
        dialog.ClickRow(music_ids::kList, 1);
        EXPECT_TRUE(turnsGreen(1));
        tank.Server().Run("xdotool key Down");
        EXPECT_TRUE(selected(2));
        dialog.ClickRow(music_ids::kList, 2);
        EXPECT_TRUE(turnsGreen(2));
        // Play and Remove take the row the user sees selected, not the one clicked last.
        const auto stopAndSelectRow1 = [&] {
            dialog.Click(music_ids::kStop);
            EXPECT_TRUE(turnsGreen(-1));
            dialog.ClickRow(music_ids::kList, 2);
            tank.Server().Run("xdotool key Up");
            EXPECT_TRUE(selected(1));
        };
        stopAndSelectRow1();
        dialog.Click(music_ids::kPlay);
        EXPECT_TRUE(PollUntil([&] { return greenRow() != -1; }, kPatientMs));
        EXPECT_EQ(greenRow(), 1);
        stopAndSelectRow1();
        dialog.Click(music_ids::kRemove);
        EXPECT_TRUE(
            PollUntil([&] { return dialog.Read<int>(music_ids::kList, rows) == 2; }, kPatientMs));

        dialog.Click(music_ids::kVolume);
        tank.Server().Run("xdotool key Home");
        EXPECT_TRUE(PollUntil([&] { return volume() == 0; }, kPatientMs));
        tank.Server().Close(dialog.Window());
        EXPECT_TRUE(dialog.Gone());
        EXPECT_NE(ReadFile(profile).find("Volume=0"), std::string::npos);
        const std::string file = ReadFile(tank.SettingsPath());
        EXPECT_NE(file.find("MusicSum=2"), std::string::npos) << file;
        EXPECT_NE(file.find("MusicList1=" + track.string()), std::string::npos) << file;
        EXPECT_NE(file.find("OwnMusic=1"), std::string::npos) << file;
    });
}
