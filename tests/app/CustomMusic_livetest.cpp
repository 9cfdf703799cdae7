#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>

#include "settings/SettingsTestFiles.h"
#include "support/LiveDialogs.h"

namespace {
// Two seconds of a quiet 440 Hz tone, 22050 Hz mono 16-bit.
void WriteTone(const std::filesystem::path& path) {
    const std::uint32_t rate = 22050;
    const std::uint32_t samples = rate * 2;
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

TEST(CustomMusicDialog, ATrackChosenInTheFileChooserPlaysAndTheListIsKeptOnHiding) {
    TempDir music;
    const std::filesystem::path track = music.Path() / "tone.wav";
    WriteTone(track);
    LiveTank tank(1024, 768, "");
    tank.Run([&](LiveTank& tank) {
        tank.ChooseFromMenu(100, 100, 6);  // "  Custom Music"
        LiveDialog dialog(tank, "Custom Music - Velmar Screensaver 1.0");
        ASSERT_TRUE(dialog.Shown());
        dialog.Click(1017);  // "Add Music"
        ASSERT_TRUE(ChooseFile(tank, "Add Music", track.string()));
        const auto rows = [](wxListCtrl& list) { return list.GetItemCount(); };
        ASSERT_TRUE(PollUntil([&] { return dialog.FromList<int>(1016, rows) == 1; }, 15000));

        dialog.Click(1021);  // "Play"
        // The playing row turns green.
        const auto playingRowGreen = [](wxListCtrl& list) {
            return list.GetItemBackgroundColour(0) == wxColour(0, 255, 0);
        };
        EXPECT_TRUE(PollUntil([&] { return dialog.FromList<bool>(1016, playingRowGreen); }, 10000));

        EXPECT_TRUE(dialog.Close());
        const std::string file = ReadTextFile(tank.SettingsPath());
        EXPECT_NE(file.find("MusicSum=1"), std::string::npos) << file;
        EXPECT_NE(file.find("MusicList0=" + track.string()), std::string::npos) << file;
        EXPECT_NE(file.find("OwnMusic=1"), std::string::npos) << file;
    });
}
