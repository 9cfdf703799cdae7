#include <gtest/gtest.h>

#include <tuple>

#include "core/scene/CameraGeometry.h"
#include "core/scene/WallCoverage.h"
#include "core/tank/BackgroundSurface.h"
#include "core/tank/TankBounds.h"

// Over a whole sway there and back, the wall fills the view on the screens the
// tank is laid out for and leaves the sides or the top open on a screen wider
// or taller than any of them.
TEST(WallCoversView, OnListedScreensThroughoutTheSwayButNotOnWiderOrTallerOnes) {
    const std::tuple<int, int, bool> cases[] = {
        {800, 600, true},   {1024, 768, true},   {1280, 1024, true},
        {1440, 900, true},  {1600, 900, true},   {1680, 1050, true},
        {1920, 1080, true}, {2560, 1080, false}, {1080, 1920, false},
    };
    for (const auto& [width, height, covered] : cases) {
        const TankBounds tank = TankBoundsForScreen(width, height);
        BackgroundSurface wall;
        bool alwaysCovered = true;
        bool everCovered = false;
        for (int frame = 0; frame < 400; ++frame) {
            wall.UpdateControlNet(tank, 0);
            const bool coversNow = WallCoversView(wall, width, height, EyeZ(-5.0f));
            alwaysCovered = alwaysCovered && coversNow;
            everCovered = everCovered || coversNow;
        }
        EXPECT_EQ(alwaysCovered, covered) << width << "x" << height;
        EXPECT_EQ(everCovered, covered) << width << "x" << height;
    }
}
