#include <gtest/gtest.h>

#include <vector>

#include "core/music/MediaPlayer.h"
#include "core/music/MusicHandover.h"
#include "core/music/PlayList.h"
#include "core/settings/ProfileText.h"
#include "core/settings/StartupSettings.h"
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
    repeatOne.Play(PlayList::kNoRow);
    EXPECT_EQ(TracksAfter(repeatOne, one, 2), (Rows{"a", "a", "a"}));

    FakePlayer all;
    PlayList repeatAll = ListOf(all, {"a", "b", "c"}, PlayList::kRepeatAll);
    repeatAll.Play(1);
    EXPECT_EQ(TracksAfter(repeatAll, all, 3), (Rows{"b", "c", "a", "b"}));
    EXPECT_EQ(repeatAll.TakeSelectionToShow(), 0) << "the selection follows the row lit last, a";
    EXPECT_EQ(repeatAll.TakeSelectionToShow(), std::nullopt) << "once";
    repeatAll.Stop();
    EXPECT_EQ(repeatAll.TakeSelectionToShow(), PlayList::kNoRow) << "Stop clears the selection";

    FakePlayer random;
    PlayList single = ListOf(random, {"only"}, PlayList::kRandom);
    single.Play(PlayList::kNoRow);
    EXPECT_EQ(TracksAfter(single, random, 3), (Rows(4, "only")));
    EXPECT_EQ(single.HighlightedIndex(), 0);
}

// The engine's answer comes at a tick: a track that cannot be played makes way
// for the row after it while the list plays on, each row once since the track
// chosen; one chosen by a click stops the list instead.
TEST(PlayList, UnplayableTracksArePassedOverOnceEachOrStopAClickedRow) {
    using Rows = std::vector<std::string>;
    FakePlayer player;
    PlayList list = ListOf(player, {"bad1", "a", "bad2"}, PlayList::kRepeatAll);
    list.Play(PlayList::kNoRow);
    EXPECT_EQ(list.HighlightedIndex(), PlayList::kNoRow) << "not lit before the engine answers";
    list.Tick();
    EXPECT_EQ(player.opened, (Rows{"bad1", "a"}));
    EXPECT_EQ(list.HighlightedIndex(), PlayList::kNoRow);
    list.Tick();
    EXPECT_EQ(list.HighlightedIndex(), 1);
    EXPECT_TRUE(player.playing);
    EXPECT_EQ(TracksAfter(list, player, 3), (Rows{"bad1", "a", "bad2", "bad1", "a"}));

    FakePlayer silent;
    PlayList allBad = ListOf(silent, {"bad1", "bad2"}, PlayList::kRepeatAll);
    allBad.Play(PlayList::kNoRow);
    for (int tick = 0; tick < 5; ++tick) allBad.Tick();
    EXPECT_EQ(silent.opened, (Rows{"bad1", "bad2"})) << "each row once, then at rest";
    EXPECT_TRUE(allBad.Playing());
    EXPECT_EQ(allBad.HighlightedIndex(), PlayList::kNoRow);

    list.ClickRow(2);
    list.Tick();
    EXPECT_FALSE(list.Playing());
    EXPECT_EQ(list.TakeSelectionToShow(), PlayList::kNoRow);
    EXPECT_EQ(player.opened.back(), "bad2");
}

// An empty list with the box on plays nothing, and the box keeps the tune silent.
TEST(PlayList, AnEmptyStartUpListWithTheBoxOnPlaysNothing) {
    FakePlayer silent;
    PlayList empty(silent);
    empty.Restore(ReadListSection(ProfileText("[Custom Settings]\nOwnMusic=1\nMusicSum=0\n"),
                                  kCustomMusicKeys));
    EXPECT_FALSE(empty.Playing());
    EXPECT_TRUE(empty.OwnMusicOn());
    EXPECT_TRUE(silent.opened.empty());
}

TEST(MusicHandover, TheTuneWaitsForTheDialogStartsOnceAndIsSilencedByOwnMusicOrItsSwitch) {
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
    // A new level reaches the tune that plays; the switch stops it and starts it again.
    handover.SetTuneAttenuation(65535 - 1000);
    EXPECT_EQ(tune.volumes, std::vector<int>{1000});
    handover.SetTuneOn(false);
    handover.AfterFrame();
    EXPECT_EQ(tune.stops, 2);
    handover.SetTuneOn(true);
    handover.AfterFrame();
    EXPECT_EQ(tune.starts, (std::vector<int>{0, 65535, 1000}));
}
