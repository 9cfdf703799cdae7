#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "media/MpvPlayer.h"
#include "media/MpvVolume.h"
#include "support/TestSupport.h"

namespace {

// Nothing reaches a sound device, yet mpv plays in real time.
const MpvOptions kNullAudio = {{"ao", "null"}};
constexpr int kLengthMs = 1500;

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

// Plays a track of `ms` through to its end on an engine of its own: at least
// that much of mpv's playing time has passed, however loaded the machine.
void LetMpvPlayFor(int ms, const TempDir& dir) {
    const std::filesystem::path track = dir.Path() / ("twin" + std::to_string(ms) + ".wav");
    WriteFile(track, ToneWav(ms));
    MpvPlayer twin(kNullAudio);
    twin.Open(track.string());
    twin.Resume();
    EXPECT_EQ(EventsUntil(twin, TrackEvent::kEnded).back(), TrackEvent::kEnded);
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

    player.Open(track.string());
    EXPECT_FALSE(player.HasEngine()) << "the engine starts on a worker";
    EXPECT_EQ(EventsUntil(player, TrackEvent::kReady), Events{TrackEvent::kReady});
    EXPECT_TRUE(player.HasEngine());
    LetMpvPlayFor(kLengthMs + 300, dir);
    EXPECT_TRUE(player.TakeEvents().empty()) << "it waits paused";
    player.Resume();
    EXPECT_EQ(EventsUntil(player, TrackEvent::kEnded), Events{TrackEvent::kEnded});

    // The track replaced and the track closed say nothing more.
    for (const std::string& path : {text.string(), (dir.Path() / "gone.wav").string()}) {
        player.Open(track.string());
        player.Resume();
        player.Open(path);
        EXPECT_EQ(EventsUntil(player, TrackEvent::kCannotPlay), Events{TrackEvent::kCannotPlay})
            << path;
    }
    player.Open(track.string());
    player.Resume();
    EXPECT_EQ(EventsUntil(player, TrackEvent::kReady), Events{TrackEvent::kReady});
    player.Close();
    LetMpvPlayFor(kLengthMs + 300, dir);
    EXPECT_TRUE(player.TakeEvents().empty());
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
    TempDir twins;
    TempDir dir;
    ScopedEnv tmpdir("TMPDIR", dir.Path().string());
    const Bytes wav = ToneWav(kLengthMs);
    {
        // Stopped before its engine runs, the tune never plays.
        MpvTunePlayer stopped(kNullAudio);
        stopped.StartLooping(wav, 40000);
        stopped.Stop();
        ASSERT_TRUE(PollUntil([&] { return stopped.HasEngine(); }, 10000));
        LetMpvPlayFor(300, twins);
        EXPECT_FALSE(stopped.IsLoaded());

        // The first start plays once the engine runs.
        MpvTunePlayer tune(kNullAudio);
        for (int round = 0; round < 2; ++round) {
            tune.StartLooping(wav, 40000);
            EXPECT_TRUE(PollUntil([&] { return tune.IsLoaded(); }, 10000));
            if (round == 0) {
                // Past the 1.5 s of the wave: still there, so it loops.
                LetMpvPlayFor(kLengthMs + 300, twins);
                EXPECT_TRUE(tune.IsLoaded());
            }
            tune.Stop();
            EXPECT_TRUE(PollUntil([&] { return !tune.IsLoaded(); }, 10000));
        }
        tune.StartLooping(wav, 65535);  // left playing for the destructor
        EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}
