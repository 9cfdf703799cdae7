#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "core/tank/BubbleColumns.h"
#include "core/tank/BubbleEmitter.h"
#include "core/tank/CatchMarker.h"

// The larger the setting, the fewer of the pool's 110 bubbles; an emitter
// without a pool draws none.
TEST(BubbleAmount, LargerSettingGivesFewerBubblesAndNoneBeyondThePool) {
    for (const auto& [bubbleAmount, squares] :
         {std::pair{100, 10}, {0, 110}, {110, 0}, {500, 0}, {-50, 110}, {INT_MIN, 110}}) {
        BubbleEmitter emitter;
        ASSERT_TRUE(emitter.Init(kBubblePoolSize));
        emitter.Step(BubbleDrawCount(bubbleAmount));
        EXPECT_EQ(emitter.Shown().size(), static_cast<std::size_t>(squares)) << bubbleAmount;
    }
    BubbleEmitter empty;
    empty.Step(110);
    EXPECT_TRUE(empty.Shown().empty());
}

TEST(BubbleRebirth, EverlastingBubbleIsRecycledOnLeavingTheColumn) {
    BubbleEmitter emitter;
    ASSERT_TRUE(emitter.Init(1));
    Bubble& bubble = emitter.particles[0];
    for (float velocity : {0.5f, -2.0f}) {
        bubble.fade = 0.0f;
        bubble.position[1] = velocity > 0 ? 129.9f : -24.0f;
        bubble.velocity[1] = velocity;
        emitter.Step(1);
        EXPECT_LT(bubble.position[1], -0.95f) << velocity;
        EXPECT_GT(bubble.position[1], -1.01f) << velocity;
    }
}

// The net is shown twice where it stands, turning a little before each (and
// once at a reset), then steps 1.5 an axis toward its target; a gap of
// exactly 1.5 is never closed.
TEST(CatchMarkerMotion, StepsOneAndAHalfPerAxisAndStopsWithinThatOfTheTarget) {
    CatchMarker marker;
    marker.Reset(0.0f, 0.0f, -70.0f);
    marker.SetTarget(10.0f, -1.5f, -70.0f);
    marker.Advance();
    for (const NetPose& pose : marker.Shown()) EXPECT_EQ(pose.at[0], 0.0f);
    EXPECT_NEAR(marker.Shown()[0].spin, 0.2f, 1e-6f);
    EXPECT_NEAR(marker.Shown()[1].spin, 0.3f, 1e-6f);
    EXPECT_EQ(marker.current, (std::array<float, 3>{1.5f, 0.0f, -70.0f}));
    for (int i = 0; i < 20; ++i) marker.Advance();
    EXPECT_EQ(marker.current, (std::array<float, 3>{9.0f, 0.0f, -70.0f}));

    marker.SetTarget(-1.6f, -4.0f, -70.0f);
    marker.current = {0.0f, 0.0f, -70.0f};
    marker.Advance();
    EXPECT_EQ(marker.current, (std::array<float, 3>{-1.5f, -1.5f, -70.0f}));
}
