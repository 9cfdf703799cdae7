#include <gtest/gtest.h>

#include <utility>

#include "core/music/PlayList.h"
#include "core/session/TankSession.h"
#include "support/FakeMedia.h"

namespace {
StartupSettings TwoPicturesAndTwoTracks() {
    StartupSettings settings;
    settings.pictures.list.rows = {"/p/a.png", "/p/b.png"};
    settings.pictures.list.ownOn = true;
    settings.pictures.list.SetMode(ListSection::kRepeatAll);
    settings.pictures.interval = "1";
    settings.music.rows = {"/m/a.mp3", "/m/b.mp3"};
    settings.music.ownOn = true;
    settings.music.SetMode(ListSection::kRepeatAll);
    settings.tank.volume = 1000;
    return settings;
}

unsigned ShownAfterTicks(TankSession& session, int ticks) {
    for (int tick = 0; tick < ticks; ++tick) session.Tick();
    const CustomBackgroundList& pictures = session.Pictures();
    return pictures.CustomBackgroundOn() ? pictures.CurrentTexture() : 0;
}
}  // namespace

// No dialog exists here: the ticks alone switch the pictures every second,
// carry the play list from track to track, and keep the tune silent while the
// user's music is on.
TEST(TankSession, TicksSwitchThePicturesAdvanceThePlayListAndHandOverTheTune) {
    FakeLoader loader;
    FakePlayer player;
    FakeTune tune;
    TankSession session(
        loader, TwoPicturesAndTwoTracks(),
        SessionMusic{player, tune, [] { return std::vector<std::uint8_t>(); }, 700});
    for (const auto& [ticks, shown] : {std::pair{1, 2u}, {4, 2u}, {1, 1u}, {5, 2u}})
        EXPECT_EQ(ShownAfterTicks(session, ticks), shown);

    ASSERT_NE(session.Music(), nullptr);
    EXPECT_TRUE(session.Music()->Playing() && player.Volume() == 700);
    player.PlayToTheEnd();
    session.Tick();
    EXPECT_EQ(player.opened.back(), "/m/b.mp3");
    EXPECT_EQ(session.Music()->HighlightedIndex(), 0) << "lit once the engine has it ready";
    session.Tick();
    EXPECT_EQ(session.Music()->HighlightedIndex(), 1);

    session.Music()->SetOwnMusic(false, PlayList::kNoRow);
    session.AfterFrame();
    EXPECT_TRUE(tune.starts.empty()) << "silent until the hand-over hears of the box at a tick";
    session.Tick();
    session.AfterFrame();
    EXPECT_EQ(tune.starts, std::vector<int>{65535 - 1000});

    // The screensaver's session has no music; its pictures take turns all the same.
    TankSession silent(loader, TwoPicturesAndTwoTracks(), std::nullopt);
    EXPECT_EQ(silent.Music(), nullptr);
    EXPECT_EQ(ShownAfterTicks(silent, 1), 4u);
    EXPECT_EQ(ShownAfterTicks(silent, 5), 3u);
}
