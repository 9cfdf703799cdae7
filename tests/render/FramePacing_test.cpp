#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/scene/FramePacing.h"

TEST(FramePacer, PacesToTheRefreshOrALowerLimitUnlessTheSwapWaitsOrThereIsNoLimit) {
    const std::tuple<double, int, bool, double> cases[] = {
        {60.0, -1, false, 1000.0 / 60.0},   // the display's rate
        {0.0, -1, false, 1000.0 / 60.0},    // unknown: 60 Hz
        {75.0, 200, false, 1000.0 / 75.0},  // never above the refresh
        {60.0, 25, false, 40.0},            // the user's lower limit
        {60.0, -1, true, 0.0},              // the swap waits for the refresh
        {60.0, 25, true, 40.0},             // a lower limit still needs the timer
        {60.0, 0, false, 0.0},              // no limit
    };
    for (const auto& [refreshHz, maxFps, swapWaits, periodMs] : cases) {
        EXPECT_DOUBLE_EQ(FramePacer(refreshHz, maxFps, swapWaits).PeriodMs(), periodMs)
            << refreshHz << " " << maxFps << " " << swapWaits;
    }
}

// Due times step by whole periods, so a timer that wakes late now and then
// still gives the rate on average; a long pause starts afresh instead of
// drawing the missed frames in a burst.
TEST(FramePacer, KeepsTheAverageRateAndStartsAfreshAfterAPause) {
    FramePacer pacer(50.0, -1, false);
    EXPECT_DOUBLE_EQ(pacer.DelayMs(0.0), 0.0);
    double now = 0.0;
    for (int frame = 0; frame < 100; ++frame) {
        pacer.FrameStarted(now);
        const double drawnAt = now + 5.0;
        // The timer wakes whole milliseconds late.
        now = drawnAt + pacer.DelayMs(drawnAt) + 1.0;
    }
    EXPECT_NEAR(now, 100 * 20.0 + 1.0, 1.0);
    EXPECT_DOUBLE_EQ(pacer.DelayMs(now), 0.0) << "a late frame is due at once";

    pacer.FrameStarted(now);
    const double back = now + 60000.0;
    EXPECT_DOUBLE_EQ(pacer.DelayMs(back), 0.0);
    pacer.FrameStarted(back);
    EXPECT_DOUBLE_EQ(pacer.DelayMs(back + 5.0), 15.0);
}

// Swaps said to wait for the refresh that come at 200 a second do not.
TEST(FramePacer, TakesOverWhenTheSwapsDoNotWaitForTheRefresh) {
    for (const auto& [swapIntervalMs, periodAfterwards] :
         {std::pair{16.7, 0.0}, std::pair{5.0, 1000.0 / 60.0}}) {
        FramePacer pacer(60.0, -1, true);
        for (int frame = 0; frame <= 30; ++frame) {
            EXPECT_DOUBLE_EQ(pacer.PeriodMs(), 0.0);
            pacer.FrameStarted(frame * swapIntervalMs);
        }
        EXPECT_DOUBLE_EQ(pacer.PeriodMs(), periodAfterwards) << swapIntervalMs;
    }
}
