#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/tank/BackgroundSurface.h"
#include "core/tank/TankBounds.h"

namespace {
void ExpectSamePoint(const SurfacePoint& actual, const SurfacePoint& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
    EXPECT_NEAR(actual.z, expected.z, 1e-9);
}

const TankBounds kTank = TankBoundsForScreen(1024, 768);  // x from -49 to 49
}  // namespace

TEST(BackgroundSway, RisesToPeakThenFallsToTroughInStepsOfEightThousandths) {
    BackgroundSurface surface;
    surface.UpdateControlNet(kTank, 1);
    surface.UpdateControlNet(kTank, 3);
    EXPECT_EQ(surface.swayPhase, 0.0f) << "only settings 0 and 2 sway";
    std::vector<float> phases = {0.0f};
    for (int frame = 0; frame < 400; ++frame) {
        surface.UpdateControlNet(kTank, frame % 2 == 0 ? 0 : 2);
        phases.push_back(surface.swayPhase);
    }
    EXPECT_NEAR(phases[126], 1.008f, 1e-4f) << "peak after 126 steps";
    EXPECT_NEAR(phases[126 + 189], -0.504f, 1e-4f) << "trough 189 steps after the peak";
    EXPECT_NEAR(*std::max_element(phases.begin(), phases.end()), 1.008f, 1e-4f);
    EXPECT_NEAR(*std::min_element(phases.begin(), phases.end()), -0.504f, 1e-4f);
    for (size_t i = 1; i < phases.size(); ++i) {
        EXPECT_NEAR(std::abs(phases[i] - phases[i - 1]), 0.008f, 1e-5f) << i;
    }
}

TEST(BackgroundControlNet, SpansTheTankWidthAndFoldsTheTwoTopRows) {
    BackgroundSurface surface;
    surface.swayPhase = 0.496f;
    surface.UpdateControlNet(kTank, 0);
    const double p = surface.swayPhase;
    ASSERT_NEAR(p, 0.504, 1e-6);
    const double columns[6] = {-49.0, -29.4, -9.8, 9.8, 29.4, 49.0};
    const double rowY[6] = {39.0, 23.6, 8.2, -7.2, -22.6, -38.0};
    for (int row = 0; row < 6; ++row) {
        for (int k = 0; k < 6; ++k) {
            const SurfacePoint& point = surface.anchors[row][k];
            const double fold = row < 2 ? p : 0.0;
            EXPECT_NEAR(point.y, rowY[row], 1e-5) << row << "," << k;
            EXPECT_NEAR(point.x, columns[k] + fold, 1e-5) << row << "," << k;
            EXPECT_NEAR(point.z, k % 2 == 0 ? -90.0 + fold : -90.0 - fold, 1e-9) << row << k;
        }
    }
}

TEST(BackgroundBernstein, EndsAtTheFirstAndLastPoints) {
    std::array<SurfacePoint, 6> points;
    for (int k = 0; k < 6; ++k) points[k] = {k * 1.0, k * k * 1.0, -k * 2.0};
    ExpectSamePoint(Bernstein(1.0, points), points[0]);
    ExpectSamePoint(Bernstein(0.0, points), points[5]);
}
