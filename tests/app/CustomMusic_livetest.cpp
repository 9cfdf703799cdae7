#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "core/interaction/MenuCommands.h"
#include "core/scene/AquariumScene.h"
#include "platform/ProgramNames.h"
#include "support/LiveTank.h"
#include "ui/DialogControlIds.h"

TEST(CustomMusicDialog, ChosenTracksPlayPassingOverOnesThatCannotAndTheListAndVolumeAreKept) {
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
        EXPECT_EQ(dialog.SliderValue(music_ids::kVolume), 250) << "the volume the last run kept";
        const auto rows = [](wxListCtrl& list) { return list.GetItemCount(); };
        for (const std::filesystem::path& path : {text, vanishing, track}) {
            const int before = dialog.FromList<int>(music_ids::kList, rows);
            ASSERT_TRUE(dialog.ChooseFile(music_ids::kAddMusic, "Add Music", path.string()));
            ASSERT_TRUE(PollUntil(
                [&] { return dialog.FromList<int>(music_ids::kList, rows) == before + 1; }, 15000));
        }

        dialog.Click(music_ids::kRepeatAll);
        dialog.Click(music_ids::kPlay);
        // The playing row turns green.
        const auto green = [&](int row) {
            return dialog.FromList<bool>(music_ids::kList, [row](wxListCtrl& list) {
                return list.GetItemBackgroundColour(row) == wxColour(0, 255, 0);
            });
        };
        const auto turnsGreen = [&](int row) {
            return PollUntil([&] { return green(row); }, 10000);
        };
        EXPECT_TRUE(turnsGreen(1)) << "the text is passed over";
        std::filesystem::remove(vanishing);
        EXPECT_TRUE(turnsGreen(2)) << "it played to its end";
        EXPECT_TRUE(PollUntil([&] { return !green(2); }, 10000));
        EXPECT_TRUE(turnsGreen(2)) << "both others passed over";
        // The keys move the selection and play nothing; a click plays, even
        // on the row already selected.
        WriteFile(vanishing, ToneWav(20000, 2000.0));
        dialog.ClickRow(music_ids::kList, 1);
        EXPECT_TRUE(turnsGreen(1));
        tank.Server().Run("xdotool key Down");
        EXPECT_TRUE(PollUntil([&] { return dialog.SelectedRow(music_ids::kList) == 2; }, 5000));
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
        EXPECT_TRUE(green(1)) << "the keys played nothing";
        dialog.ClickRow(music_ids::kList, 2);
        EXPECT_TRUE(turnsGreen(2));

        dialog.Click(music_ids::kVolume);
        tank.Server().Run("xdotool key Home");
        EXPECT_TRUE(PollUntil([&] { return dialog.SliderValue(music_ids::kVolume) == 0; }, 5000));
        EXPECT_TRUE(dialog.Close());
        EXPECT_NE(ReadFile(profile).find("Volume=0"), std::string::npos);
        const std::string file = ReadFile(tank.SettingsPath());
        EXPECT_NE(file.find("MusicSum=3"), std::string::npos) << file;
        EXPECT_NE(file.find("MusicList1=" + vanishing.string()), std::string::npos) << file;
        EXPECT_NE(file.find("OwnMusic=1"), std::string::npos) << file;
    });
}
