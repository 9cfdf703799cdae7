#include <gtest/gtest.h>

#include <vector>

#include "core/tank/CatchMarker.h"

namespace {
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
