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
    const std::array<Fish, 2> fishes;
    for (int i = 0; i < 2; ++i) {
        const int* d = &draws[5 * i];
        EXPECT_EQ(fishes[i].size, d[0] % 10 == 0 ? 4.0f : 2.0f);
        EXPECT_EQ(fishes[i].pitch, static_cast<float>(d[1] % 45));
        EXPECT_EQ(fishes[i].targetHeading, d[2] % 2 == 0 ? 0.0f : 180.0f);
        EXPECT_EQ(fishes[i].mouthTimer, d[3] % 15);
        EXPECT_EQ(fishes[i].idleTimer, d[4] % 200);
    }
    ResetCrtRand();
}

TEST(FishSize, ZoomStaysBetweenOneAndFour) {
    Fish fish;
    fish.size = 2.0f;
    const struct {
        bool grow;
        float size;
    } steps[] = {{false, 1.0f}, {false, 1.0f}, {true, 3.0f}, {true, 4.0f}, {true, 4.0f}};
    for (const auto& s : steps) {
        fish.ChangeSize(2.0f, s.grow);
        EXPECT_EQ(fish.size, s.size);
    }
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

TEST(FishExtent, HeadLeadsAlongTheTargetAnglesNotTheShownOnes) {
    Fish fish;
    fish.SetBounds(-50.0f, 50.0f, 5.0f, -19.0f, -70.0f, -70.0f);
    fish.position = {10.0f, 2.0f, -70.0f};
    fish.size = 2.0f;
    fish.heading = fish.targetHeading = 0.0f;
    fish.pitch = fish.shownPitch = 0.0f;
    fish.UpdateDirectionFlags();
    fish.UpdateExtent();
    const float half = 0.64383f;  // half of length 0.64383 at size 2
    EXPECT_FLOAT_EQ(fish.extent.head[0], 10.0f - half);
    EXPECT_FLOAT_EQ(fish.extent.tail[0], 10.0f + half);
    EXPECT_FLOAT_EQ(fish.extent.xMin, 10.0f - half);
    EXPECT_FLOAT_EQ(fish.extent.xMax, 10.0f + half);
    EXPECT_FLOAT_EQ(fish.extent.zMin, -71.0f);
    EXPECT_FLOAT_EQ(fish.extent.zMax, -69.0f);

    fish.position = {0.0f, 0.0f, -70.0f};
    fish.heading = fish.targetHeading = 180.0f;
    fish.pitch = 30.0f;
    fish.shownPitch = 5.0f;
    fish.UpdateDirectionFlags();
    fish.UpdateExtent();
    EXPECT_NEAR(fish.extent.head[0], half * std::cos(30.0f * 0.0174532917f), 1e-5f);
    EXPECT_NEAR(fish.extent.head[1], half * 0.5f, 1e-5f);
    EXPECT_NEAR(fish.extent.tail[1], -half * 0.5f, 1e-5f);
    EXPECT_NEAR(fish.extent.yMax, half * 0.5f, 1e-5f);
}
