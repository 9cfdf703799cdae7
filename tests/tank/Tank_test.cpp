#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "core/tank/BubbleColumns.h"
#include "core/tank/BubbleEmitter.h"
#include "core/tank/CatchMarker.h"

namespace {
class CountingBubblePainter : public BubblePainter {
  public:
    void BindTexture() override {}
    void SetColour(std::uint8_t, std::uint8_t, std::uint8_t) override {}
    void Square(float, float, float, float) override { ++squares; }
    int squares = 0;
};

class RecordingMarkerPainter : public CatchMarkerPainter {
  public:
    void DrawCone(const std::array<float, 3>& at, float) override { cones.push_back(at); }
    std::vector<std::array<float, 3>> cones;
};
}  // namespace

// The larger the setting, the fewer of the pool's 110 bubbles; an emitter
// without a pool draws none.
TEST(BubbleAmount, LargerSettingGivesFewerBubblesAndNoneBeyondThePool) {
    for (const auto& [bubbleAmount, squares] :
         {std::pair{100, 10}, {0, 110}, {110, 0}, {500, 0}, {-50, 110}, {INT_MIN, 110}}) {
        BubbleEmitter emitter;
        ASSERT_TRUE(emitter.Init(kBubblePoolSize));
        emitter.SetColoured(false);
        CountingBubblePainter painter;
        emitter.Draw(BubbleDrawCount(bubbleAmount), painter);
        EXPECT_EQ(painter.squares, squares) << bubbleAmount;
    }
    BubbleEmitter empty;
    CountingBubblePainter painter;
    empty.Draw(110, painter);
    EXPECT_EQ(painter.squares, 0);
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

// The net is drawn, then steps 1.5 a axis toward its target, turning a little
// with each draw; a gap of exactly 1.5 is never closed.
TEST(CatchMarkerMotion, StepsOneAndAHalfPerAxisAndStopsWithinThatOfTheTarget) {
    CatchMarker marker;
    RecordingMarkerPainter painter;
    marker.Reset(0.0f, 0.0f, -70.0f, painter);
    ASSERT_EQ(painter.cones.size(), 1u) << "Reset draws the net once";
    marker.SetTarget(10.0f, -1.5f, -70.0f);
    marker.Step(painter);
    EXPECT_EQ(painter.cones.back()[0], 0.0f);
    EXPECT_EQ(marker.current, (std::array<float, 3>{1.5f, 0.0f, -70.0f}));
    EXPECT_NEAR(marker.spin, 0.2f, 1e-6f);
    for (int i = 0; i < 20; ++i) marker.Step(painter);
    EXPECT_EQ(marker.current, (std::array<float, 3>{9.0f, 0.0f, -70.0f}));

    marker.SetTarget(-1.6f, -4.0f, -70.0f);
    marker.current = {0.0f, 0.0f, -70.0f};
    marker.Step(painter);
    EXPECT_EQ(marker.current, (std::array<float, 3>{-1.5f, -1.5f, -70.0f}));
}
