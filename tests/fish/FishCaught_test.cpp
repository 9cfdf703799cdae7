#include <gtest/gtest.h>

#include "fish/Fish.h"
#include "fish/FishFrame.h"
#include "platform/Random.h"

TEST(FishCaught, HeldFor50FramesThenReleasedAtEitherSide) {
    ResetCrtRand();
    bool left = false;
    bool right = false;
    for (int i = 0; i < 20; ++i) {
        Fish fish = SwimmingFish(12.0f, 3.0f, 40.0f);
        fish.position[2] = -69.0f;
        fish.speed = 0.25f;
        fish.caught = true;
        for (int frame = 1; frame <= 50; ++frame) {
            fish.MoveOrHoldCaught();
            ASSERT_TRUE(fish.caught) << "frame " << frame;
            ASSERT_EQ(fish.caughtFrames, frame);
            ASSERT_EQ(fish.position[0], 12.0f);
        }
        fish.MoveOrHoldCaught();
        EXPECT_FALSE(fish.caught);
        EXPECT_EQ(fish.caughtFrames, 0);
        ASSERT_TRUE(fish.position[0] == -55.0f || fish.position[0] == 45.0f);
        left = left || fish.position[0] == -55.0f;
        right = right || fish.position[0] == 45.0f;
        EXPECT_GE(fish.position[1], -15.0f);
        EXPECT_LE(fish.position[1], 14.0f);
        EXPECT_EQ(fish.position[2], -70.0f);
        EXPECT_EQ(fish.heading, 40.0f);
        EXPECT_EQ(fish.speed, 0.25f);
    }
    EXPECT_TRUE(left);
    EXPECT_TRUE(right);
    ResetCrtRand();
}
