#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "media/MpvPlayer.h"
#include "support/TestSupport.h"

namespace {
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Nothing reaches a sound device, yet mpv plays in real time.
const MpvOptions kNullAudio = {{"ao", "null"}};
constexpr int kLengthMs = 1500;

long long MsSince(Clock::time_point start) {
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start).count();
}
}  // namespace

// A sine as WAV and (when the lame encoder is installed) as MP3.
class PlayableTrack : public testing::TestWithParam<const char*> {};

TEST_P(PlayableTrack, OpensPausedThenPlaysSeeksAndEndsAtItsLength) {
    TempDir dir;
    std::filesystem::path track = dir.Path() / "sine.wav";
    WriteFile(track, ToneWav(kLengthMs));
    if (std::string(GetParam()) == "mp3") {
        if (std::system("command -v lame >/dev/null 2>&1") != 0) GTEST_SKIP() << "no lame encoder";
        const std::string wav = track.string();
        track.replace_extension(".mp3");
        ASSERT_EQ(std::system(("lame --quiet " + wav + " " + track.string()).c_str()), 0);
    }
    MpvPlayer player(kNullAudio);
    ASSERT_TRUE(player.HasEngine());
    player.SetFile(track.string());
    player.Open();
    ASSERT_TRUE(player.CanPlay());
    const int length = player.GetLength();
    // MP3 rounds up to whole frames of 26 ms.
    EXPECT_NEAR(length, kLengthMs, 100);

    // Open leaves the track paused at its start.
    std::this_thread::sleep_for(milliseconds(200));
    EXPECT_EQ(player.GetPosition(), 0);

    player.Play();
    EXPECT_TRUE(PollUntil([&] { return player.GetPosition() >= 300; }, 2000));
    player.Stop();
    EXPECT_EQ(player.GetPosition(), 0);

    player.Seek(800);
    EXPECT_NEAR(player.GetPosition(), 800, 30);
    std::this_thread::sleep_for(milliseconds(150));
    EXPECT_NEAR(player.GetPosition(), 800, 30) << "Stop leaves it paused";

    // The play list sees the end of a track as position == length.
    player.Play();
    EXPECT_TRUE(PollUntil([&] { return player.GetPosition() == length; }, 3000));
    std::this_thread::sleep_for(milliseconds(150));
    EXPECT_EQ(player.GetPosition(), length);
    EXPECT_TRUE(player.CanPlay()) << "a finished track stays open";

    player.Seek(0);
    player.Play();
    EXPECT_TRUE(PollUntil([&] { return player.GetPosition() >= 200; }, 2000));
    EXPECT_LT(player.GetPosition(), length);

    player.Close();
    EXPECT_FALSE(player.CanPlay());
    EXPECT_EQ(player.GetPosition(), 0);
    EXPECT_EQ(player.GetLength(), 0);
}

INSTANTIATE_TEST_SUITE_P(Formats, PlayableTrack, testing::Values("wav", "mp3"),
                         [](const auto& info) { return std::string(info.param); });

// Noise no demuxer takes for sound, text, a missing file and no file at all.
TEST(MpvPlayer, UnplayableFilesReportCannotPlayQuicklyAndIgnoreTheRest) {
    TempDir dir;
    Bytes noise(20000);
    std::uint32_t state = 12345;
    for (auto& byte : noise)
        byte = static_cast<std::uint8_t>((state = state * 1103515245u + 12345u) >> 24);
    WriteFile(dir.Path() / "noise.mp3", noise);
    WriteFile(dir.Path() / "text.wav", "Not a sound at all.\nJust two lines.\n");
    for (const std::string name : {"noise.mp3", "text.wav", "missing.wav", ""}) {
        MpvPlayer player(kNullAudio);
        player.SetFile(name.empty() ? name : (dir.Path() / name).string());
        const auto start = Clock::now();
        player.Open();
        EXPECT_LT(MsSince(start), 2500) << name;
        EXPECT_FALSE(player.CanPlay()) << name;
        player.Play();
        player.Seek(500);
        EXPECT_EQ(player.GetPosition(), 0) << name;
        EXPECT_EQ(player.GetLength(), 0) << name;
    }
}

TEST(MpvPlayer, VolumeIsHeldToItsRangeAndReadBack) {
    MpvPlayer player(kNullAudio);
    EXPECT_EQ(player.Volume(), 1000);
    for (auto [set, read] : {std::pair{250, 250}, {-5, 0}, {5000, 1000}, {999, 999}}) {
        player.SetVolume(set);
        EXPECT_EQ(player.Volume(), read) << set;
    }
}

TEST(MpvTunePlayer, StartsAndStopsWithoutWaitingAndLeavesNoFile) {
    TempDir dir;
    ScopedEnv tmpdir("TMPDIR", dir.Path().string());
    const Bytes wav = ToneWav(kLengthMs);
    {
        MpvTunePlayer tune(kNullAudio);
        ASSERT_TRUE(tune.HasEngine());
        for (int round = 0; round < 2; ++round) {
            auto start = Clock::now();
            tune.StartLooping(wav, 40000);
            EXPECT_LT(MsSince(start), 50);
            EXPECT_TRUE(PollUntil([&] { return tune.IsLoaded(); }, 2000));
            if (round == 0) {
                // Past the 1.5 s of the wave: still there, so it loops; once
                // started, playing it costs the process next to no processor time.
                std::this_thread::sleep_for(milliseconds(500));
                const std::clock_t cpuBefore = std::clock();
                std::this_thread::sleep_for(milliseconds(1300));
                EXPECT_LT(std::clock() - cpuBefore, CLOCKS_PER_SEC / 20);
                EXPECT_TRUE(tune.IsLoaded());
            }
            start = Clock::now();
            tune.Stop();
            EXPECT_LT(MsSince(start), 50);
            EXPECT_TRUE(PollUntil([&] { return !tune.IsLoaded(); }, 2000));
        }
        tune.StartLooping(wav, 65535);  // left playing for the destructor
        EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}
