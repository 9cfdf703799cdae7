#include <gtest/gtest.h>

#include "render/OverlayVisibility.h"

namespace {
// Runs `frames` frames; returns how many of them drew the text.
int DrawnFrames(OverlayVisibility& overlay, int frames) {
    int drawn = 0;
    for (int i = 0; i < frames; ++i) drawn += overlay.NextFrame() ? 1 : 0;
    return drawn;
}
}  // namespace

TEST(OverlayVisibility, ShowsForTheFirstHundredFramesAndHidesInFrame101) {
    OverlayVisibility overlay;
    EXPECT_EQ(DrawnFrames(overlay, 100), 100);
    EXPECT_TRUE(overlay.Shown());
    EXPECT_FALSE(overlay.NextFrame());
    EXPECT_FALSE(overlay.Shown());
    EXPECT_EQ(DrawnFrames(overlay, 500), 0);
}

TEST(OverlayVisibility, F1AfterTheAutomaticHideShowsAnotherHundredFrames) {
    OverlayVisibility overlay;
    DrawnFrames(overlay, 101);
    overlay.Toggle();
    EXPECT_EQ(DrawnFrames(overlay, 101), 100);
    EXPECT_FALSE(overlay.Shown());
}

TEST(OverlayVisibility, F1HideKeepsTheCountSoShowingAgainResumesIt) {
    OverlayVisibility overlay;
    DrawnFrames(overlay, 60);
    overlay.Toggle();
    EXPECT_EQ(DrawnFrames(overlay, 30), 0);
    overlay.Toggle();
    EXPECT_EQ(DrawnFrames(overlay, 200), 40);
}

TEST(OverlayVisibility, F1TwiceRestoresVisibility) {
    OverlayVisibility overlay;
    overlay.Toggle();
    overlay.Toggle();
    EXPECT_TRUE(overlay.Shown());
}
