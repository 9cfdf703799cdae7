#include <gtest/gtest.h>

#include "core/tank/TankBounds.h"

namespace {
void ExpectBox(const TankBounds& box, float xMin, float xMax) {
    EXPECT_FLOAT_EQ(box.xMin, xMin);
    EXPECT_FLOAT_EQ(box.xMax, xMax);
    EXPECT_FLOAT_EQ(box.yMin, -25.0f);
    EXPECT_FLOAT_EQ(box.yMax, 25.0f);
    EXPECT_FLOAT_EQ(box.zBack, -50.0f);
    EXPECT_FLOAT_EQ(box.zFront, 0.0f);
}
}  // namespace

TEST(TankBoundsForScreen, ListedSizesTakeTheirRowWidened) {
    ExpectBox(TankBoundsForScreen(1024, 768), -49.0f, 49.0f);
    ExpectBox(TankBoundsForScreen(800, 600), -49.0f, 49.0f);
    ExpectBox(TankBoundsForScreen(1280, 1024), -49.0f, 49.0f);
    ExpectBox(TankBoundsForScreen(1440, 900), -55.0f, 55.0f);
    ExpectBox(TankBoundsForScreen(1600, 900), -58.0f, 58.0f);
    ExpectBox(TankBoundsForScreen(1680, 1050), -54.0f, 54.0f);
}

TEST(TankBoundsForScreen, UnlistedSizesTakeTheNearestAspectThenNearestPixelCount) {
    // 16:9 matches 1600 x 900 alone.
    ExpectBox(TankBoundsForScreen(1920, 1080), -58.0f, 58.0f);
    ExpectBox(TankBoundsForScreen(3840, 2160), -58.0f, 58.0f);
    // 16:10 is shared by 1440 x 900 and 1680 x 1050; 1280 x 800 is nearer 1440 x 900.
    ExpectBox(TankBoundsForScreen(1280, 800), -55.0f, 55.0f);
    ExpectBox(TankBoundsForScreen(2560, 1600), -54.0f, 54.0f);
    // 4:3 screens all share one row.
    ExpectBox(TankBoundsForScreen(1600, 1200), -49.0f, 49.0f);
}

TEST(TankBoundsForScreen, DegenerateAndPortraitScreensStillGetABox) {
    ExpectBox(TankBoundsForScreen(1080, 1920), -49.0f, 49.0f);
    ExpectBox(TankBoundsForScreen(0, 0), -49.0f, 49.0f);
}
