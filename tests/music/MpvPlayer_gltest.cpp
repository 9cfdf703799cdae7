#include <gtest/gtest.h>

#include <chrono>
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

// The play list sees the end of a track as its position reaching its length.
TEST(MpvPlayer, ATrackOpensPausedThenPlaysSeeksAndEndsAtItsLength) {
    TempDir dir;
    const std::filesystem::path track = dir.Path() / "sine.wav";
    WriteFile(track, ToneWav(kLengthMs));
    MpvPlayer player(kNullAudio);
    // Opening no file, as every start does, leaves libmpv unloaded.
    player.Open();
    EXPECT_EQ(ReadFile("/proc/self/maps").find("libmpv"), std::string::npos);
    ASSERT_TRUE(player.HasEngine());
    player.SetFile(track.string());
    player.Open();
    ASSERT_TRUE(player.CanPlay());
    const int length = player.GetLength();
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
