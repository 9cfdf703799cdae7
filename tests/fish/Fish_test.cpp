#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "fish/Fish.h"
#include "platform/Random.h"

TEST(FishConstruction, DrawsSizePitchTargetMouthAndIdleTimerInFieldOrder) {
    ResetCrtRand();
    std::array<int, 10> draws{};
    for (int& draw : draws) draw = CrtRand();

    ResetCrtRand();
    const Fish first;
    const Fish second;
    // The first draws of the stream are 41, 18467, 6334, 26500, 19169.
    EXPECT_EQ(first.size, 2.0f);
    EXPECT_EQ(first.pitch, 17.0f);
    EXPECT_EQ(first.targetHeading, 0.0f);
    EXPECT_EQ(first.mouthTimer, 10);
    EXPECT_EQ(first.idleTimer, 169);

    EXPECT_EQ(second.size, draws[5] % 10 == 0 ? 4.0f : 2.0f);
    EXPECT_EQ(second.pitch, static_cast<float>(draws[6] % 45));
    EXPECT_EQ(second.targetHeading, draws[7] % 2 == 0 ? 0.0f : 180.0f);
    EXPECT_EQ(second.mouthTimer, draws[8] % 15);
    EXPECT_EQ(second.idleTimer, draws[9] % 200);
    ResetCrtRand();
}

TEST(FishConstruction, OneFishInTenIsBornLarge) {
    ResetCrtRand();
    std::array<Fish, 200> school;
    int large = 0;
    for (const Fish& fish : school) {
        ASSERT_TRUE(fish.size == 2.0f || fish.size == 4.0f);
        if (fish.size == 4.0f) ++large;
    }
    EXPECT_GT(large, 5);
    EXPECT_LT(large, 40);
    ResetCrtRand();
}

TEST(FishBounds, PullsTopAndBottomInAndResetsTheExtent) {
    Fish fish;
    fish.wallState = kWallYTop;
    fish.SetBounds(-50.0f, 50.0f, 5.0f, -19.0f, -70.0f, -70.0f);
    EXPECT_EQ(fish.bounds.xMin, -50.0f);
    EXPECT_EQ(fish.bounds.xMax, 50.0f);
    EXPECT_EQ(fish.bounds.yTop, 15.0f);
    EXPECT_EQ(fish.bounds.yBottom, -14.0f);
    EXPECT_EQ(fish.bounds.zMin, -70.0f);
    EXPECT_EQ(fish.bounds.zMax, -70.0f);
    EXPECT_EQ(fish.wallState, kWallNone);
    EXPECT_FLOAT_EQ(fish.extent.length, 0.64383f);
    EXPECT_FLOAT_EQ(fish.extent.grownXMin, -0.321915f);
    EXPECT_FLOAT_EQ(fish.extent.yMax, 0.0907566f);
    EXPECT_FLOAT_EQ(fish.extent.zMin, -0.5f);
    EXPECT_FLOAT_EQ(fish.extent.head[2], 0.153061f);
    EXPECT_FLOAT_EQ(fish.extent.tail[0], -0.321915f);
}

TEST(FishSize, ZoomStaysBetweenOneAndFour) {
    Fish fish;
    fish.size = 2.0f;
    fish.ChangeSize(2.0f, false);
    EXPECT_EQ(fish.size, 1.0f);
    fish.ChangeSize(2.0f, true);
    EXPECT_EQ(fish.size, 3.0f);
    fish.ChangeSize(2.0f, true);
    EXPECT_EQ(fish.size, 4.0f);
    fish.ChangeSize(2.0f, true);
    EXPECT_EQ(fish.size, 4.0f);
}

TEST(FishPitch, ShownPitchFollowsOneDegreePerFrame) {
    Fish fish;
    fish.pitch = 3.0f;
    fish.shownPitch = 0.0f;
    for (float expected : {1.0f, 2.0f, 3.0f, 3.0f}) {
        fish.AdvanceShownPitch();
        EXPECT_EQ(fish.shownPitch, expected);
    }
    fish.pitch = -1.5f;
    for (float expected : {2.0f, 1.0f, 0.0f, -1.0f, -2.0f, -2.0f}) {
        fish.AdvanceShownPitch();
        EXPECT_EQ(fish.shownPitch, expected);
    }
}

namespace {
Fish FishAt(float x, float y, float z) {
    Fish fish;
    fish.SetBounds(-50.0f, 50.0f, 5.0f, -19.0f, -70.0f, -70.0f);
    fish.position = {x, y, z};
    fish.size = 2.0f;
    fish.heading = fish.targetHeading = 0.0f;
    fish.pitch = fish.shownPitch = 0.0f;
    fish.UpdateDirectionFlags();
    return fish;
}
}  // namespace

TEST(FishExtent, LeftwardFishHasItsHeadAtLowX) {
    Fish fish = FishAt(10.0f, 2.0f, -70.0f);
    fish.UpdateExtent();
    const float half = 0.64383f;  // half of length 0.64383 at size 2
    EXPECT_FLOAT_EQ(fish.extent.head[0], 10.0f - half);
    EXPECT_FLOAT_EQ(fish.extent.tail[0], 10.0f + half);
    EXPECT_FLOAT_EQ(fish.extent.xMin, 10.0f - half);
    EXPECT_FLOAT_EQ(fish.extent.xMax, 10.0f + half);
    EXPECT_FLOAT_EQ(fish.extent.yMax, 2.0f + 0.181513f);
    EXPECT_FLOAT_EQ(fish.extent.zMin, -71.0f);
    EXPECT_FLOAT_EQ(fish.extent.zMax, -69.0f);
    EXPECT_FLOAT_EQ(fish.extent.grownXMin, 10.0f - 2.0f * half);
    EXPECT_FLOAT_EQ(fish.extent.grownYMin, 2.0f - 0.181513f - 0.181513f / 2.0f);
    EXPECT_FLOAT_EQ(fish.extent.grownZMax, -68.5f);
}

TEST(FishExtent, FollowsTheTargetAnglesNotTheShownOnes) {
    Fish fish = FishAt(0.0f, 0.0f, -70.0f);
    fish.heading = 180.0f;
    fish.targetHeading = 180.0f;
    fish.pitch = 30.0f;
    fish.shownPitch = 5.0f;
    fish.UpdateDirectionFlags();
    fish.UpdateExtent();
    const float half = 0.64383f;
    EXPECT_NEAR(fish.extent.head[0], half * std::cos(30.0f * 0.0174532917f), 1e-5f);
    EXPECT_NEAR(fish.extent.head[1], half * 0.5f, 1e-5f);
    EXPECT_NEAR(fish.extent.tail[1], -half * 0.5f, 1e-5f);
    EXPECT_NEAR(fish.extent.yMax, half * 0.5f, 1e-5f);
}
