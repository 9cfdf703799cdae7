#include <gtest/gtest.h>

#include <vector>

#include "render/TankBounds.h"
#include "tank/BackgroundSurface.h"

namespace {
struct SurfaceVertex {
    double s;
    double t;
    SurfacePoint point;
};

class RecordingSurfacePainter : public SurfacePainter {
  public:
    void BeginStrip() override { strips.emplace_back(); }
    void Vertex(double s, double t, const SurfacePoint& point) override {
        strips.back().push_back({s, t, point});
    }
    void EndStrip() override {}
    std::vector<std::vector<SurfaceVertex>> strips;
};

void ExpectSamePoint(const SurfacePoint& actual, const SurfacePoint& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
    EXPECT_NEAR(actual.z, expected.z, 1e-9);
}

const TankBounds kTank = TankBoundsForScreen(1024, 768);  // x from -49 to 49
}  // namespace

TEST(BackgroundSway, RisesToPeakThenFallsToTroughInStepsOfEightThousandths) {
    BackgroundSurface surface;
    std::vector<float> phases;
    for (int frame = 0; frame < 400; ++frame) {
        surface.UpdateControlNet(kTank, 0);
        phases.push_back(surface.swayPhase);
    }
    EXPECT_NEAR(phases[0], 0.008f, 1e-6f);
    const float peak = *std::max_element(phases.begin(), phases.end());
    const float trough = *std::min_element(phases.begin(), phases.end());
    EXPECT_NEAR(peak, 1.008f, 1e-4f);
    EXPECT_NEAR(trough, -0.504f, 1e-4f);
    EXPECT_NEAR(phases[125], 1.008f, 1e-4f) << "peak after 126 steps";
    EXPECT_NEAR(phases[126], 1.0f, 1e-4f);
    EXPECT_NEAR(phases[125 + 189], -0.504f, 1e-4f) << "trough 189 steps after the peak";
    for (size_t i = 1; i < phases.size(); ++i) {
        EXPECT_NEAR(std::abs(phases[i] - phases[i - 1]), 0.008f, 1e-5f);
    }
}

TEST(BackgroundSway, StandsStillUnlessTheBackgroundSettingIsZeroOrTwo) {
    BackgroundSurface surface;
    surface.UpdateControlNet(kTank, 1);
    surface.UpdateControlNet(kTank, 3);
    EXPECT_EQ(surface.swayPhase, 0.0f);
    surface.UpdateControlNet(kTank, 2);
    EXPECT_NEAR(surface.swayPhase, 0.008f, 1e-6f);
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
            EXPECT_NEAR(point.y, rowY[row], 1e-5) << row << "," << k;
            if (row < 2) {
                EXPECT_NEAR(point.x, columns[k] + p, 1e-5) << row << "," << k;
                EXPECT_NEAR(point.z, k % 2 == 0 ? -90.0 + p : -90.0 - p, 1e-9);
            } else {
                EXPECT_NEAR(point.x, columns[k], 1e-5) << row << "," << k;
                EXPECT_EQ(point.z, -90.0);
            }
        }
    }
    EXPECT_EQ(surface.divisions, 2);
}

TEST(BackgroundBernstein, EndsAtTheFirstAndLastPointsAndKeepsAConstantNet) {
    std::array<SurfacePoint, 6> points;
    for (int k = 0; k < 6; ++k) points[k] = {k * 1.0, k * k * 1.0, -k * 2.0};
    ExpectSamePoint(Bernstein(1.0, points), points[0]);
    ExpectSamePoint(Bernstein(0.0, points), points[5]);
    // Points on a line evenly spaced: the curve runs along it evenly.
    ExpectSamePoint(Bernstein(0.5, points), {2.5, Bernstein(0.5, points).y, -5.0});
    std::array<SurfacePoint, 6> same;
    same.fill({3.0, -4.0, 5.0});
    ExpectSamePoint(Bernstein(0.3, same), {3.0, -4.0, 5.0});
}

TEST(BackgroundDrawing, TwoStripsOfSixWithTheCornersPinnedToTheNet) {
    BackgroundSurface surface;
    surface.UpdateControlNet(kTank, 0);
    RecordingSurfacePainter painter;
    surface.DrawSurface(painter);
    ASSERT_EQ(painter.strips.size(), 2u);
    for (const auto& strip : painter.strips) ASSERT_EQ(strip.size(), 6u);
    // (s, t) = (0, 0) is the bottom right of the net, (1, 1) its top left.
    const SurfaceVertex& bottomRight = painter.strips[0][0];
    EXPECT_EQ(bottomRight.s, 0.0);
    EXPECT_EQ(bottomRight.t, 0.0);
    ExpectSamePoint(bottomRight.point, surface.anchors[5][5]);
    const SurfaceVertex& topLeft = painter.strips[1][5];
    EXPECT_EQ(topLeft.s, 1.0);
    EXPECT_EQ(topLeft.t, 1.0);
    ExpectSamePoint(topLeft.point, surface.anchors[0][0]);
    const SurfaceVertex& topRight = painter.strips[0][4];
    EXPECT_EQ(topRight.s, 0.0);
    EXPECT_EQ(topRight.t, 1.0);
    ExpectSamePoint(topRight.point, surface.anchors[0][5]);
    // Neighbouring strips share their seam.
    for (int v = 0; v < 3; ++v) {
        ExpectSamePoint(painter.strips[1][2 * v].point, painter.strips[0][2 * v + 1].point);
    }
}
