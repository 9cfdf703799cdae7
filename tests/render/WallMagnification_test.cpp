#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "core/scene/CameraGeometry.h"
#include "core/scene/WallMagnification.h"
#include "core/tank/BackgroundSurface.h"
#include "core/tank/TankBounds.h"

// Over a whole sway, the built-in 1024 x 512 picture is magnified all over a
// full-HD screen and not on a small one; a picture four times larger is not
// magnified anywhere it matters. The wall shows its picture once across the
// screen, a little more than that at its far, swaying top.
TEST(WallTexelsPerPixel, ThroughoutTheSwayByScreenAndPictureSize) {
    const std::tuple<int, int, int, int, double, double> cases[] = {
        {1920, 1080, 1024, 512, 0.50, 0.56},
        {1280, 1024, 1024, 512, 0.63, 0.70},
        {800, 600, 1024, 512, 1.10, 1.16},
        {1920, 1080, 4096, 2048, 2.00, 2.20},
    };
    for (const auto& [width, height, pictureWidth, pictureHeight, low, high] : cases) {
        const TankBounds tank = TankBoundsForScreen(width, height);
        BackgroundSurface wall;
        double least = 1e9;
        double most = 0.0;
        for (int frame = 0; frame < 400; ++frame) {
            wall.UpdateControlNet(tank, 0);
            const double rho =
                WallTexelsPerPixel(wall, width, height, EyeZ(-5.0f), pictureWidth, pictureHeight);
            least = std::min(least, rho);
            most = std::max(most, rho);
        }
        EXPECT_GT(least, low) << width << "x" << height << " " << pictureWidth;
        EXPECT_LT(most, high) << width << "x" << height << " " << pictureWidth;
    }
}
