#include <gtest/gtest.h>

#include <string>

#include "core/runner/FrameRateMeter.h"

// Work and frames as the runner reports them, each period read once it is a
// second or more long.
TEST(FrameRateMeter, CountsFramesAndTheShareOfTimeNotWaitedOverEachSecond) {
    FrameRateMeter meter;
    EXPECT_EQ(meter.Text(), "");
    // 60 frames 1000/60 ms apart, each taking 4 ms, and a short call between
    // frames that draws nothing.
    for (int frame = 0; frame < 60; ++frame) {
        const double start = frame * 1000.0 / 60.0;
        EXPECT_FALSE(meter.Worked(start, start + 4.0, 1));
        EXPECT_FALSE(meter.Worked(start + 10.0, start + 10.1, 0));
    }
    EXPECT_TRUE(meter.Worked(1000.0, 1004.0, 1));
    EXPECT_EQ(meter.Text(), "FPS: 60.8\nLoad: 24.9%");

    // Busy throughout at 10 frames a second; the next period starts where
    // the last ended.
    for (int frame = 1; frame < 10; ++frame) {
        EXPECT_FALSE(meter.Worked(904.0 + frame * 100.0, 1004.0 + frame * 100.0, 1));
    }
    EXPECT_TRUE(meter.Worked(1904.0, 2104.0, 1));
    EXPECT_EQ(meter.Text(), "FPS: 9.1\nLoad: 100.0%");

    // A stall (a suspend): one long wait, read when work comes again.
    EXPECT_TRUE(meter.Worked(9104.0, 9105.0, 1));
    EXPECT_EQ(meter.Text(), "FPS: 0.1\nLoad: 0.0%");
}
