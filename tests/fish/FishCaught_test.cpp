#include <gtest/gtest.h>

#include <array>

#include "core/fish/Fish.h"
#include "fish/FishFrame.h"
#include "platform/posix/Random.h"

// The release draws the side, then the height.
TEST(FishCaught, HeldFor50FramesThenReleasedAtEitherSide) {
    ResetCrtRand();
    std::array<int, 40> draws{};
    for (int& draw : draws) draw = CrtRand();
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
        ResetCrtRand();
        for (int k = 0; k < 2 * i; ++k) CrtRand();
        fish.MoveOrHoldCaught();
        EXPECT_FALSE(fish.caught);
        EXPECT_EQ(fish.caughtFrames, 0);
        EXPECT_EQ(fish.position[0], draws[2 * i] % 2 == 0 ? -55.0f : 45.0f);
        EXPECT_EQ(fish.position[1], static_cast<float>(draws[2 * i + 1] % 30 - 15));
        EXPECT_EQ(fish.position[2], -70.0f);
        EXPECT_EQ(fish.heading, 40.0f);
        EXPECT_EQ(fish.speed, 0.25f);
    }
    ResetCrtRand();
}
