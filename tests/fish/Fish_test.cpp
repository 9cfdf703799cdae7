#include <gtest/gtest.h>

#include <array>

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
