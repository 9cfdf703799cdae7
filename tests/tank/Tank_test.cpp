#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "core/tank/BackgroundSurface.h"
#include "core/tank/BubbleColumns.h"
#include "core/tank/BubbleEmitter.h"
#include "core/tank/CatchMarker.h"
#include "core/tank/TankBounds.h"

namespace {
void ExpectSamePoint(const SurfacePoint& actual, const SurfacePoint& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
    EXPECT_NEAR(actual.z, expected.z, 1e-9);
}

const TankBounds kTank = TankBoundsForScreen(1024, 768);  // x from -49 to 49

class CountingBubblePainter : public BubblePainter {
  public:
    void BindTexture() override { ++binds; }
    void SetColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
        colours.push_back({red, green, blue});
    }
    void Square(float, float, float, float) override { ++squares; }
    int binds = 0;
    int squares = 0;
    std::vector<std::array<std::uint8_t, 3>> colours;
};

class RecordingMarkerPainter : public CatchMarkerPainter {
  public:
    void DrawCone(const std::array<float, 3>& at, float spinDegrees) override {
        cones.push_back(at);
        spins.push_back(spinDegrees);
    }
    std::vector<std::array<float, 3>> cones;
    std::vector<float> spins;
};
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

TEST(BubbleAmount, LargerSettingGivesFewerBubblesAndNoneBeyondThePool) {
    const struct {
        int bubbleAmount;
        int squares;
    } cases[] = {{100, 10}, {0, 110}, {110, 0}, {500, 0}, {-50, 110}, {INT_MIN, 110}};
    for (const auto& c : cases) {
        BubbleEmitter emitter;
        ASSERT_TRUE(emitter.Init(kBubblePoolSize));
        emitter.SetColoured(false);
        CountingBubblePainter painter;
        emitter.Draw(BubbleDrawCount(c.bubbleAmount), painter);
        EXPECT_EQ(painter.squares, c.squares) << c.bubbleAmount;
    }
    BubbleEmitter empty;
    CountingBubblePainter painter;
    empty.Draw(110, painter);
    EXPECT_EQ(painter.squares, 0) << "an emitter without a pool draws nothing";
}

TEST(BubbleRebirth, KeepsTheSquareSizeAndRisesUpToThreeTimesFaster) {
    BubbleEmitter emitter;
    ASSERT_TRUE(emitter.Init(kBubblePoolSize));
    std::vector<float> sizes;
    for (int i = 0; i < kBubblePoolSize; ++i) sizes.push_back(emitter.particles[i].halfSize);
    CountingBubblePainter painter;
    float fastestRise = 0.0f;
    int rebirths = 0;
    for (int frame = 0; frame < 2000; ++frame) {
        std::vector<float> lives;
        for (int i = 0; i < kBubblePoolSize; ++i) lives.push_back(emitter.particles[i].life);
        emitter.Draw(kBubblePoolSize, painter);
        for (int i = 0; i < kBubblePoolSize; ++i) {
            const Bubble& bubble = emitter.particles[i];
            ASSERT_EQ(bubble.halfSize, sizes[i]);
            if (bubble.life == 200.0f && lives[i] != 200.0f) {
                ++rebirths;
                fastestRise = std::max(fastestRise, bubble.velocity[1]);
                EXPECT_LT(bubble.position[1], -0.95f);
            }
        }
    }
    EXPECT_GT(rebirths, 100);
    EXPECT_GT(fastestRise, 9000 * 0.000042f / 3.0f) << "faster than any start at Init";
    EXPECT_LE(fastestRise, 9000 * 0.000042f);
    // Coloured squares are tinted one by one, then white is restored.
    EXPECT_EQ(painter.colours.size(), 2000u * (kBubblePoolSize + 1));
    EXPECT_EQ(painter.colours.back(), (std::array<std::uint8_t, 3>{255, 255, 255}));
    EXPECT_EQ(painter.binds, 2000);
}

TEST(BubbleRebirth, EverlastingBubbleIsRecycledOnLeavingTheColumn) {
    BubbleEmitter emitter;
    ASSERT_TRUE(emitter.Init(1));
    Bubble& bubble = emitter.particles[0];
    for (float velocity : {0.5f, -2.0f}) {
        bubble.fade = 0.0f;
        bubble.position[1] = velocity > 0 ? 129.9f : -24.0f;
        bubble.velocity[1] = velocity;
        emitter.Advance();
        EXPECT_LT(bubble.position[1], -0.95f) << velocity;
        EXPECT_GT(bubble.position[1], -1.01f) << velocity;
    }
}

TEST(CatchMarkerMotion, StepsOneAndAHalfPerAxisAndStopsWithinThatOfTheTarget) {
    CatchMarker marker;
    RecordingMarkerPainter painter;
    marker.Reset(0.0f, 0.0f, -70.0f, painter);
    ASSERT_EQ(painter.cones.size(), 1u) << "Reset draws the net once";
    marker.SetTarget(10.0f, -1.5f, -70.0f);
    marker.Step(painter);
    EXPECT_EQ(painter.cones.back()[0], 0.0f) << "drawn before it moves";
    EXPECT_EQ(marker.current, (std::array<float, 3>{1.5f, 0.0f, -70.0f}));
    EXPECT_NEAR(marker.spin, 0.2f, 1e-6f) << "each draw turns the net";
    for (int i = 0; i < 20; ++i) marker.Step(painter);
    EXPECT_EQ(marker.current[0], 9.0f);
    EXPECT_EQ(marker.current[1], 0.0f) << "a gap of exactly 1.5 is never closed";

    marker.SetTarget(-1.6f, -4.0f, -70.0f);
    marker.current = {0.0f, 0.0f, -70.0f};
    marker.Step(painter);
    EXPECT_EQ(marker.current, (std::array<float, 3>{-1.5f, -1.5f, -70.0f}));
}

TEST(CatchMarkerSpin, WrapsToZeroOnlyOncePastAFullTurn) {
    CatchMarker marker;
    RecordingMarkerPainter painter;
    marker.spin = 359.95f;
    marker.Draw(painter);
    EXPECT_EQ(marker.spin, 0.0f);
    EXPECT_EQ(painter.spins.back(), 0.0f);
    marker.spin = 359.9f;
    marker.Draw(painter);
    EXPECT_EQ(marker.spin, 360.0f) << "exactly a full turn stays";
    marker.Draw(painter);
    EXPECT_EQ(marker.spin, 0.0f);
}
