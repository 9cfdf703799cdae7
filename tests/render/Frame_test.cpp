#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "core/scene/CameraGeometry.h"
#include "core/scene/FramePacing.h"
#include "core/scene/OverlayVisibility.h"
#include "core/scene/WallCoverage.h"
#include "core/scene/WallMagnification.h"
#include "core/tank/BackgroundSurface.h"
#include "core/tank/TankBounds.h"

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
// drawing the missed frames in a burst. Swaps said to wait for the refresh
// that come at 200 a second do not: the pacer takes over.
TEST(FramePacer, KeepsTheAverageRateStartsAfreshAfterAPauseAndTakesOverFromSwapsThatDoNotWait) {
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

    for (const auto& [swapIntervalMs, periodAfterwards] :
         {std::pair{16.7, 0.0}, std::pair{5.0, 1000.0 / 60.0}}) {
        FramePacer swapPacer(60.0, -1, true);
        for (int frame = 0; frame <= 30; ++frame) swapPacer.FrameStarted(frame * swapIntervalMs);
        EXPECT_DOUBLE_EQ(swapPacer.PeriodMs(), periodAfterwards) << swapIntervalMs;
    }
}

// Fish sizes run from 1 to 4 in the layer at z = -70 or so, 60 units from the eye.
TEST(FishMeshDetail, SmallerFishGetLighterMeshes) {
    const std::tuple<float, float, int, int, MeshDetail> cases[] = {
        {2.0f, -70.0f, 1920, 1080, MeshDetail::kLightest},  // 45 pixels
        {2.5f, -70.0f, 1920, 1080, MeshDetail::kLight},     // 56
        {4.0f, -60.0f, 1920, 1080, MeshDetail::kFull},      // 108
        {2.0f, -70.0f, 3840, 2160, MeshDetail::kLight},     // 90
        {1.0f, -70.0f, 1080, 1920, MeshDetail::kLightest},  // tall screen: 23
        {1.0f, -10.5f, 1920, 1080, MeshDetail::kFull},      // at the eye
    };
    for (const auto& [size, z, width, height, detail] : cases) {
        EXPECT_EQ(FishMeshDetail(size, z, width, height, -10.0), detail)
            << size << " " << z << " " << width << "x" << height;
    }
}

// The text shows for a hundred frames, the automatic hide restarts the count
// and F1's hide keeps it. Steps: a run of frames and how many of them draw the
// text, or F1 (0 frames).
TEST(OverlayVisibility, ShowsAHundredFramesAtATimeAndF1PausesTheCount) {
    const std::vector<std::pair<int, int>> cases[] = {
        {{101, 100}, {0, 0}, {101, 100}, {50, 0}},
        {{60, 60}, {0, 0}, {30, 0}, {0, 0}, {200, 40}},
    };
    for (const auto& steps : cases) {
        OverlayVisibility overlay;
        for (const auto& [frames, shown] : steps) {
            if (frames == 0) overlay.Toggle();
            int drawn = 0;
            for (int i = 0; i < frames; ++i) drawn += overlay.NextFrame() ? 1 : 0;
            EXPECT_EQ(drawn, shown) << steps.size();
        }
        EXPECT_FALSE(overlay.Shown());
    }
}

// Over a whole sway there and back: the wall fills the view on the screens the
// tank is laid out for and leaves the sides or the top open on a screen wider
// or taller than any of them; the built-in 1024 x 512 picture is magnified all
// over a full-HD screen and not on a small one, and a picture four times
// larger is not magnified anywhere it matters.
TEST(WallOverASway, CoversListedScreensAndShowsTexelsPerPixelByScreenAndPictureSize) {
    // Screen, covered, and for the built-in picture and one of 4096 x 2048 the
    // least and most texels per pixel (0: not looked at).
    const std::tuple<int, int, bool, double, double, double, double> cases[] = {
        {800, 600, true, 1.10, 1.16, 0, 0},       {1280, 1024, true, 0.63, 0.70, 0, 0},
        {1920, 1080, true, 0.50, 0.56, 2.0, 2.2}, {2560, 1080, false, 0, 0, 0, 0},
        {1080, 1920, false, 0, 0, 0, 0},
    };
    for (const auto& [width, height, covered, low, high, largeLow, largeHigh] : cases) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        const TankBounds tank = TankBoundsForScreen(width, height);
        BackgroundSurface wall;
        int coveredFrames = 0;
        std::array<double, 2> least{1e9, 1e9}, most{0.0, 0.0};
        for (int frame = 0; frame < 400; ++frame) {
            wall.UpdateControlNet(tank, 0);
            coveredFrames += WallCoversView(wall, width, height, EyeZ(-5.0f)) ? 1 : 0;
            for (int large : {0, 1}) {
                const double rho = WallTexelsPerPixel(wall, width, height, EyeZ(-5.0f),
                                                      1024 << (2 * large), 512 << (2 * large));
                least[large] = std::min(least[large], rho);
                most[large] = std::max(most[large], rho);
            }
        }
        EXPECT_EQ(coveredFrames, covered ? 400 : 0);
        EXPECT_TRUE(low == 0 || (least[0] > low && most[0] < high)) << least[0] << ".." << most[0];
        EXPECT_TRUE(largeLow == 0 || (least[1] > largeLow && most[1] < largeHigh))
            << least[1] << ".." << most[1];
    }
}
