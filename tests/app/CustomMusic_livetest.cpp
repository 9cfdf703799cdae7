#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <thread>

#include "settings/SettingsTestFiles.h"
#include "support/LiveDialogs.h"

namespace {
// Some seconds of a quiet 440 Hz tone, 22050 Hz mono 16-bit.
void WriteTone(const std::filesystem::path& path, std::uint32_t seconds = 2) {
    const std::uint32_t rate = 22050;
    const std::uint32_t samples = rate * seconds;
    std::ofstream out(path, std::ios::binary);
    const auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    out << "RIFF";
    put(36 + samples * 2, 4);
    out << "WAVEfmt ";
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(rate, 4);
    put(rate * 2, 4);
    put(2, 2);
    put(16, 2);
    out << "data";
    put(samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        put(static_cast<std::uint16_t>(
                static_cast<std::int16_t>(2000.0 * std::sin(2.0 * 3.14159265 * 440.0 * i / rate))),
            2);
    }
}

}  // namespace

TEST(CustomMusicDialog, ChosenTracksPlayPassingOverOnesThatCannotAndTheListIsKeptOnHiding) {
    TempDir music;
    // A text file named as a song, a track that vanishes while it plays, and one that stays.
    const std::filesystem::path text = music.Path() / "notes.mp3";
    const std::filesystem::path vanishing = music.Path() / "vanishing.wav";
    const std::filesystem::path track = music.Path() / "tone.wav";
    WriteTextFile(text, "Dear diary,\nthis is not music.\n");
    WriteTone(vanishing);
    WriteTone(track);
    LiveTank tank(1024, 768, "");
    tank.Run([&](LiveTank& tank) {
        tank.ChooseFromMenu(100, 100, 6);  // "  Custom Music"
        LiveDialog dialog(tank, "Custom Music - Velmar Screensaver 1.0");
        ASSERT_TRUE(dialog.Shown());
        const auto rows = [](wxListCtrl& list) { return list.GetItemCount(); };
        for (const std::filesystem::path& path : {text, vanishing, track}) {
            const int before = dialog.FromList<int>(1016, rows);
            dialog.Click(1017);  // "Add Music"
            ASSERT_TRUE(ChooseFile(tank, "Add Music", path.string()));
            ASSERT_TRUE(
                PollUntil([&] { return dialog.FromList<int>(1016, rows) == before + 1; }, 15000));
        }

        dialog.Click(1024);  // "Repeat All"
        dialog.Click(1021);  // "Play"
        // The playing row turns green.
        const auto greenRow = [&](int row) {
            return dialog.FromList<bool>(1016, [row](wxListCtrl& list) {
                return list.GetItemBackgroundColour(row) == wxColour(0, 255, 0);
            });
        };
        EXPECT_TRUE(PollUntil([&] { return greenRow(1); }, 10000)) << "the text is passed over";
        std::filesystem::remove(vanishing);
        EXPECT_TRUE(PollUntil([&] { return greenRow(2); }, 10000)) << "it played to its end";
        EXPECT_TRUE(PollUntil([&] { return !greenRow(2); }, 10000));
        EXPECT_TRUE(PollUntil([&] { return greenRow(2); }, 10000)) << "both others passed over";
        // The keys move the selection and play nothing; a click plays, even
        // on the row already selected.
        WriteTone(vanishing, 20);
        dialog.ClickRow(1016, 1);
        EXPECT_TRUE(PollUntil([&] { return greenRow(1); }, 10000));
        tank.RunOnDisplay("xdotool key Down");
        EXPECT_TRUE(PollUntil(
            [&] {
                return dialog.FromList<long>(1016, [](wxListCtrl& list) {
                    return list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
                }) == 2;
            },
            5000));
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
        EXPECT_TRUE(greenRow(1)) << "the keys played nothing";
        dialog.ClickRow(1016, 2);
        EXPECT_TRUE(PollUntil([&] { return greenRow(2); }, 10000));

        EXPECT_TRUE(dialog.Close());
        const std::string file = ReadTextFile(tank.SettingsPath());
        EXPECT_NE(file.find("MusicSum=3"), std::string::npos) << file;
        EXPECT_NE(file.find("MusicList1=" + vanishing.string()), std::string::npos) << file;
        EXPECT_NE(file.find("OwnMusic=1"), std::string::npos) << file;
    });
}
