#include <gtest/gtest.h>

#include <vector>

#include "tank/CatchMarker.h"

namespace {
struct DrawnCone {
    std::array<float, 3> at;
    float spin;
};

class RecordingMarkerPainter : public CatchMarkerPainter {
  public:
    void DrawCone(const std::array<float, 3>& at, float spinDegrees) override {
        cones.push_back({at, spinDegrees});
    }
    std::vector<DrawnCone> cones;
};
}  // namespace

TEST(CatchMarkerSlots, AllTwoHundredAreClearWhenBuilt) {
    CatchMarker marker;
    for (const CatchSlot& slot : marker.slots) EXPECT_FALSE(slot.caught);
    EXPECT_EQ(marker.slots.size(), 200u);
}

TEST(CatchMarkerMotion, ResetPlacesAndDrawsTheNetOnce) {
    CatchMarker marker;
    RecordingMarkerPainter painter;
    marker.Reset(0.0f, 0.0f, -70.0f, painter);
    ASSERT_EQ(painter.cones.size(), 1u);
    EXPECT_EQ(painter.cones[0].at, (std::array<float, 3>{0.0f, 0.0f, -70.0f}));
    EXPECT_EQ(marker.start, marker.target);
    EXPECT_EQ(marker.target, marker.current);
    EXPECT_NEAR(marker.spin, 0.1f, 1e-6f);
}

TEST(CatchMarkerMotion, StepsOneAndAHalfPerAxisAndStopsWithinThatOfTheTarget) {
    CatchMarker marker;
    RecordingMarkerPainter painter;
    marker.Reset(0.0f, 0.0f, -70.0f, painter);
    marker.SetTarget(10.0f, -1.5f, -70.0f);
    marker.Step(painter);
    EXPECT_EQ(painter.cones.back().at[0], 0.0f) << "drawn before it moves";
    EXPECT_EQ(marker.current, (std::array<float, 3>{1.5f, 0.0f, -70.0f}));
    for (int i = 0; i < 20; ++i) marker.Step(painter);
    EXPECT_EQ(marker.current[0], 9.0f);
    EXPECT_EQ(marker.current[1], 0.0f) << "a gap of exactly 1.5 is never closed";

    marker.SetTarget(-1.6f, -4.0f, -70.0f);
    marker.current = {0.0f, 0.0f, -70.0f};
    marker.Step(painter);
    EXPECT_EQ(marker.current, (std::array<float, 3>{-1.5f, -1.5f, -70.0f}));
}

TEST(CatchMarkerSpin, DrawAndStepEachFrameTurnTheNetByTwoTenthsOfADegree) {
    CatchMarker marker;
    RecordingMarkerPainter painter;
    marker.Draw(painter);
    marker.Step(painter);
    EXPECT_NEAR(marker.spin, 0.2f, 1e-6f);
    ASSERT_EQ(painter.cones.size(), 2u);
    EXPECT_EQ(painter.cones[0].at, painter.cones[1].at);
}

TEST(CatchMarkerSpin, WrapsToZeroOnlyOncePastAFullTurn) {
    CatchMarker marker;
    RecordingMarkerPainter painter;
    marker.spin = 359.95f;
    marker.Draw(painter);
    EXPECT_EQ(marker.spin, 0.0f);
    EXPECT_EQ(painter.cones.back().spin, 0.0f);

    marker.spin = 359.9f;
    marker.Draw(painter);
    EXPECT_EQ(marker.spin, 360.0f) << "exactly a full turn stays";
    marker.Draw(painter);
    EXPECT_EQ(marker.spin, 0.0f);
}
