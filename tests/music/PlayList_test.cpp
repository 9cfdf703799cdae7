#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/music/MediaPlayer.h"
#include "core/music/MusicHandover.h"
#include "core/music/PlayList.h"
#include "core/settings/ProfileText.h"
#include "core/settings/StartupSettings.h"
#include "platform/posix/Random.h"
#include "support/FakeMedia.h"

namespace {
PlayList ListOf(FakePlayer& player, std::vector<std::string> rows, PlayList::PlayMode mode) {
    PlayList list(player);
    for (const std::string& row : rows) list.AddRow(row);
    list.SetMode(mode);
    return list;
}

// Plays `tracks` ends of track and returns the rows opened.
std::vector<std::string> TracksAfter(PlayList& list, FakePlayer& player, int tracks) {
    for (int i = 0; i < tracks; ++i) {
        player.PlayToTheEnd();
        list.Tick();
    }
    return player.opened;
}
}  // namespace

TEST(PlayList, EachModeChoosesTheNextTrackAtTheEndOfOne) {
    using Rows = std::vector<std::string>;
    FakePlayer one;
    PlayList repeatOne = ListOf(one, {"a", "b", "c"}, PlayList::kRepeatOne);
    repeatOne.Play();
    EXPECT_EQ(TracksAfter(repeatOne, one, 2), (Rows{"a", "a", "a"}));

    FakePlayer all;
    PlayList repeatAll = ListOf(all, {"a", "b", "c"}, PlayList::kRepeatAll);
    repeatAll.SelectRow(1);
    repeatAll.Play();
    EXPECT_EQ(TracksAfter(repeatAll, all, 3), (Rows{"b", "c", "a", "b"}));

    FakePlayer random;
    PlayList single = ListOf(random, {"only"}, PlayList::kRandom);
    single.Play();
    EXPECT_EQ(TracksAfter(single, random, 3), (Rows(4, "only")));
    EXPECT_EQ(single.HighlightedIndex(), 0);
}

TEST(PlayList, UnplayableTracksArePassedOverATickEachUntilEveryRowWasTriedOnce) {
    using Rows = std::vector<std::string>;
    FakePlayer player;
    PlayList list = ListOf(player, {"a", "bad1", "bad2", "c"}, PlayList::kRepeatAll);
    list.Play();
    EXPECT_EQ(TracksAfter(list, player, 1), (Rows{"a", "bad1"}));
    EXPECT_EQ(list.HighlightedIndex(), PlayList::kNoRow);
    list.Tick();
    list.Tick();
    EXPECT_EQ(player.opened, (Rows{"a", "bad1", "bad2", "c"}));
    EXPECT_EQ(list.HighlightedIndex(), 3);

    // A track that vanished while it played cannot be opened again.
    FakePlayer vanishing;
    PlayList one = ListOf(vanishing, {"a", "b"}, PlayList::kRepeatOne);
    one.Play();
    vanishing.gone = {"a"};
    EXPECT_EQ(TracksAfter(one, vanishing, 1), (Rows{"a", "a"}));
    one.Tick();
    EXPECT_EQ(vanishing.opened.back(), "b");
    EXPECT_EQ(one.HighlightedIndex(), 1);

    // With nothing playable the list comes to rest.
    FakePlayer dead;
    PlayList none = ListOf(dead, {"bad1", "bad2"}, PlayList::kRandom);
    none.Play();
    for (int tick = 0; tick < 10; ++tick) none.Tick();
    EXPECT_EQ(dead.opened.size(), 2u);
    EXPECT_TRUE(none.Playing()) << "it stands on the last one until the user acts";
}

TEST(PlayList, StopClearsTheSelectionAndOnOffOffStopsPlaying) {
    FakePlayer player;
    PlayList list = ListOf(player, {"a", "b"}, PlayList::kRepeatAll);
    list.ClickRow(1);
    EXPECT_FALSE(list.Playing()) << "a click opens the row but plays only while playing";
    list.Play();
    EXPECT_EQ(player.opened.back(), "b");
    EXPECT_TRUE(list.OwnMusicOn());
    list.Stop();
    EXPECT_FALSE(player.playing);
    EXPECT_EQ(list.SelectedRow(), PlayList::kNoRow);
    EXPECT_TRUE(list.OwnMusicOn()) << "Stop leaves the box on";
    list.Play();
    list.SetOwnMusic(false);
    EXPECT_FALSE(list.Playing());
    EXPECT_FALSE(list.RemoveSelectedRow()) << "nothing selected";
}

TEST(PlayList, AStartUpListWithOwnMusicAndRepeatAllPlaysRowsInTurnWithoutTheDialog) {
    const ProfileText profile(
        "[Custom Settings]\nOwnMusic=1\nCycMusic=1\nMusicSum=3\n"
        "MusicList0=/m/a.mp3\nMusicList1=/m/b.mp3\nMusicList2=/m/c.mp3\n");
    FakePlayer player;
    PlayList list(player);
    list.Restore(ReadListSection(profile, kCustomMusicKeys));
    EXPECT_EQ(TracksAfter(list, player, 3),
              (std::vector<std::string>{"/m/a.mp3", "/m/b.mp3", "/m/c.mp3", "/m/a.mp3"}));

    // An empty list with the box on plays nothing, and the box keeps the tune silent.
    FakePlayer silent;
    PlayList empty(silent);
    empty.Restore(ReadListSection(ProfileText("[Custom Settings]\nOwnMusic=1\nMusicSum=0\n"),
                                  kCustomMusicKeys));
    EXPECT_FALSE(empty.Playing());
    EXPECT_TRUE(empty.OwnMusicOn());
    EXPECT_TRUE(silent.opened.empty());
}

TEST(CustomMusicSettings, ModesFallBackToRepeatOneAHugeSumIsBoundedAndTheListRoundTrips) {
    const auto read = [](const ProfileText& profile) {
        return ReadListSection(profile, kCustomMusicKeys);
    };
    FakePlayer player;
    PlayList list(player);
    list.Restore(read(ProfileText("[Custom Settings]\n")));
    EXPECT_EQ(list.Mode(), PlayList::kRepeatOne);
    const ListSection huge = read(
        ProfileText("[Custom Settings]\nMusicSum=1000000000\nRandomMusic=1\nMusicList7=x.mp3\n"));
    EXPECT_EQ(huge.rows, std::vector<std::string>{"x.mp3"});
    // A hundred thousand rows read in one pass, as many as the list keeps.
    std::string many = "[Custom Settings]\nMusicSum=100000\n";
    for (int row = 0; row < 100000; ++row) many += "musiclist" + std::to_string(row) + "=x\n";
    EXPECT_EQ(read(ProfileText(many)).rows.size(), static_cast<std::size_t>(kMaxListRows));
    list.Restore(huge);
    EXPECT_EQ(list.Mode(), PlayList::kRandom);

    ProfileText written("[Custom Settings]\nMusicSum=3\nMusicList2=old.mp3\n");
    WriteListFlags(list.Saved(), written, kCustomMusicKeys);
    WriteListRows(list.Saved(), written, kCustomMusicKeys);
    const ListSection back = read(written);
    EXPECT_TRUE(back.randomOrder);
    EXPECT_EQ(back.rows, std::vector<std::string>{"x.mp3"});
    EXPECT_EQ(written.Get("Custom Settings", "MusicList2"), "old.mp3") << "left, unread";
}

TEST(MusicHandover, TheTuneWaitsForTheDialogStartsOnceAndIsSilencedByOwnMusic) {
    FakeTune tune;
    MusicHandover handover(tune, [] { return std::vector<std::uint8_t>{1, 2, 3}; });
    handover.SetTuneAttenuation(65535);
    handover.AfterFrame();
    EXPECT_TRUE(tune.starts.empty()) << "both flags start raised";
    handover.SetCustomMusicActive(false);
    handover.AfterFrame();
    handover.AfterFrame();
    EXPECT_EQ(tune.starts, std::vector<int>{0}) << "once, silent at 65535";
    handover.SetCustomMusicActive(true);
    handover.AfterFrame();
    EXPECT_EQ(tune.stops, 1);
    handover.SetTuneAttenuation(0);
    handover.SetCustomMusicActive(false);
    handover.AfterFrame();
    EXPECT_EQ(tune.starts, (std::vector<int>{0, 65535}));
}

// The wave-out volume the level stands for is linear in amplitude; the engine's
// volume is cubic in it.
TEST(MusicHandover, TheTunesAmplitudeIsLinearInItsLevel) {
    const std::pair<int, double> levels[] = {{0, 1.0}, {32767, 0.5}, {65535, 0.0}};
    for (const auto& [attenuation, amplitude] : levels) {
        const double engineGain = std::pow(EngineVolumeForLevel(TuneVolume(attenuation)) / 100, 3);
        EXPECT_NEAR(engineGain, amplitude, 0.01) << attenuation;
    }
}
