#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "media/MpvPlayer.h"
#include "media/MpvVolume.h"
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

namespace {
// The events that come before `last` does, or all of them by the deadline.
std::vector<TrackEvent> EventsUntil(MpvPlayer& player, TrackEvent last) {
    std::vector<TrackEvent> events;
    PollUntil(
        [&] {
            for (TrackEvent event : player.TakeEvents()) events.push_back(event);
            return !events.empty() && events.back() == last;
        },
        10000);
    return events;
}
}  // namespace

// No call waits for mpv, not even the first, which starts it: what it learns
// of a track comes back as events, and only the track opened last has any.
TEST(MpvPlayer, TracksAreReadyEndOrCannotBePlayedAndNoCallWaits) {
    using Events = std::vector<TrackEvent>;
    TempDir dir;
    const std::filesystem::path track = dir.Path() / "sine.wav";
    const std::filesystem::path text = dir.Path() / "notes.mp3";
    WriteFile(track, ToneWav(kLengthMs));
    WriteFile(text, "Dear diary,\nthis is not music.\n");
    MpvPlayer player(kNullAudio);
    player.SetVolume(500);
    EXPECT_EQ(ReadFile("/proc/self/maps").find("libmpv"), std::string::npos)
        << "libmpv waits for the first track";

    long long slowestMs = 0;
    const auto timed = [&](auto call) {
        const auto start = Clock::now();
        call();
        slowestMs = std::max(slowestMs, MsSince(start));
    };
    timed([&] { player.Open(track.string()); });
    EXPECT_FALSE(player.HasEngine()) << "the engine starts on a worker";
    EXPECT_EQ(EventsUntil(player, TrackEvent::kReady), Events{TrackEvent::kReady});
    EXPECT_TRUE(player.HasEngine());
    std::this_thread::sleep_for(milliseconds(kLengthMs + 300));
    timed([&] { EXPECT_TRUE(player.TakeEvents().empty()) << "it waits paused"; });
    timed([&] { player.Resume(); });
    EXPECT_EQ(EventsUntil(player, TrackEvent::kEnded), Events{TrackEvent::kEnded});

    // The track replaced and the track closed say nothing more.
    for (const std::string& path : {text.string(), (dir.Path() / "gone.wav").string()}) {
        timed([&] { player.Open(track.string()); });
        timed([&] { player.Resume(); });
        timed([&] { player.Open(path); });
        EXPECT_EQ(EventsUntil(player, TrackEvent::kCannotPlay), Events{TrackEvent::kCannotPlay})
            << path;
    }
    player.Open(track.string());
    player.Resume();
    EXPECT_EQ(EventsUntil(player, TrackEvent::kReady), Events{TrackEvent::kReady});
    timed([&] { player.Close(); });
    std::this_thread::sleep_for(milliseconds(kLengthMs + 300));
    EXPECT_TRUE(player.TakeEvents().empty());
    EXPECT_LT(slowestMs, 50);
}

// While the engine starts, the player keeps what it was asked, the latest
// only, and hands it over once the engine runs; a player gone before that
// leaves the engine to its worker.
TEST(MpvPlayer, WhatIsAskedWhileTheEngineStartsIsKept) {
    using Events = std::vector<TrackEvent>;
    TempDir dir;
    const std::filesystem::path track = dir.Path() / "sine.wav";
    WriteFile(track, ToneWav(300));
    { MpvPlayer(kNullAudio).Open(track.string()); }

    MpvPlayer played(kNullAudio);
    played.Open((dir.Path() / "gone.wav").string());
    played.Open(track.string());
    played.Resume();
    EXPECT_EQ(EventsUntil(played, TrackEvent::kEnded),
              (Events{TrackEvent::kReady, TrackEvent::kEnded}));

    MpvPlayer closed(kNullAudio);
    closed.Open(track.string());
    closed.Resume();
    closed.Close();
    ASSERT_TRUE(PollUntil([&] { return closed.HasEngine(); }, 10000));
    std::this_thread::sleep_for(milliseconds(600));
    EXPECT_TRUE(closed.TakeEvents().empty());
}

TEST(MpvPlayer, VolumesFollowTheEngineCurveAndAreHeldToTheirRange) {
    MpvPlayer player(kNullAudio);
    EXPECT_EQ(player.Volume(), 1000);
    for (auto [set, read] : {std::pair{250, 250}, {-5, 0}, {5000, 1000}, {999, 999}}) {
        player.SetVolume(set);
        EXPECT_EQ(player.Volume(), read) << set;
        EXPECT_DOUBLE_EQ(MpvVolumeForPlayList(set), read / 10.0) << set;
    }
    // mpv's volume cubes: an eighth of the amplitude is half its scale.
    for (auto [level, volume] :
         {std::pair{0, 0.0}, {65535, 100.0}, {8192, 50.0}, {-1, 0.0}, {70000, 100.0}}) {
        EXPECT_NEAR(MpvVolumeForAmplitude(level), volume, 0.01) << level;
    }
}

TEST(MpvTunePlayer, StartsAndStopsWithoutWaitingAndLeavesNoFile) {
    TempDir dir;
    ScopedEnv tmpdir("TMPDIR", dir.Path().string());
    const Bytes wav = ToneWav(kLengthMs);
    {
        // Stopped before its engine runs, the tune never plays.
        MpvTunePlayer stopped(kNullAudio);
        stopped.StartLooping(wav, 40000);
        stopped.Stop();
        ASSERT_TRUE(PollUntil([&] { return stopped.HasEngine(); }, 10000));
        std::this_thread::sleep_for(milliseconds(300));
        EXPECT_FALSE(stopped.IsLoaded());

        // The first start returns at once too, and plays once the engine runs.
        MpvTunePlayer tune(kNullAudio);
        for (int round = 0; round < 2; ++round) {
            auto start = Clock::now();
            tune.StartLooping(wav, 40000);
            EXPECT_LT(MsSince(start), 50);
            EXPECT_TRUE(PollUntil([&] { return tune.IsLoaded(); }, 10000));
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
