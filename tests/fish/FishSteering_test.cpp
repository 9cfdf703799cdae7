#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/fish/Fish.h"
#include "fish/FishFrame.h"
#include "platform/posix/Random.h"

namespace {
// The value the stream gives after `skip` draws, leaving the stream reset.
int DrawAfter(int skip) {
    ResetCrtRand();
    for (int i = 0; i < skip; ++i) CrtRand();
    const int value = CrtRand();
    ResetCrtRand();
    return value;
}
}  // namespace

TEST(FishSpeed, StepsTowardTheTargetWithinLimits) {
    Fish fish;
    fish.speed = 0.28f;
    const struct {
        float step, target, expected;
    } steps[] = {{0.05f, 0.4f, 0.3f},
                 {0.01f, 0.1f, 0.29f},
                 {0.4f, 0.1f, 0.1f},
                 {0.4f, 0.3f, 0.3f},
                 {0.1f, 0.3f, 0.3f}};
    for (const auto& s : steps) {
        fish.ChangeSpeed(s.step, s.target);
        EXPECT_FLOAT_EQ(fish.speed, s.expected) << s.step << " toward " << s.target;
    }
}

TEST(FishTurnHeading, ATurningFishIgnoresNewTargets) {
    Fish fish = SwimmingFish(0.0f, 0.0f, 0.0f);
    fish.targetHeading = 90.0f;
    ResetCrtRand();
    for (int mode : {kTurnReverse, kTurnVeer, kTurnQuarter, kTurnWhim})
        fish.TurnHeading(0.0f, true, mode);
    EXPECT_EQ(fish.targetHeading, 90.0f);
    EXPECT_EQ(CrtRand(), DrawAfter(0)) << "a turning fish draws no random numbers";
}

TEST(FishTurnHeading, EachModeMovesTheTarget) {
    const float whim = static_cast<float>(DrawAfter(1) % 170);  // the whim drops one draw
    const float veer = static_cast<float>(DrawAfter(0) % 180);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float from, amount;
        bool flip;
        int mode;
        float to;
    } cases[] = {
        {350.0f, 0.0f, false, kTurnReverse, 170.0f},
        {100.0f, 0.0f, false, kTurnReverse, 280.0f},
        {-300.0f, 0.0f, false, kTurnReverse, -120.0f},
        {100.0f, 0.0f, false, kTurnWhim, 100.0f + whim},
        {200.0f, 0.0f, false, kTurnWhim, 200.0f - whim},
        {30.0f, 0.0f, false, kTurnVeer, 30.0f + veer},
        {150.0f, 0.0f, false, kTurnVeer, 150.0f - veer},
        {150.0f, 0.0f, true, kTurnVeer, 150.0f + veer},
        {30.0f, -20.9f, true, kTurnSteer, 10.0f},
        {350.0f, 40.0f, false, kTurnSteer, 360.0f},
        {-350.0f, 40.0f, true, kTurnSteer, -360.0f},
        {30.0f, nan, false, kTurnSteer, 30.0f},
        {30.0f, std::numeric_limits<float>::infinity(), false, kTurnSteer, 30.0f},
        {90.0f, 0.0f, true, kTurnQuarter, 180.0f},
        {180.0f, 0.0f, true, kTurnQuarter, 270.0f},
        {0.0f, 0.0f, true, kTurnQuarter, -90.0f},
        {-180.0f, 0.0f, true, kTurnQuarter, -270.0f},
        {-90.0f, 0.0f, true, kTurnQuarter, -180.0f},
        {200.0f, 0.0f, true, kTurnQuarter, 110.0f},
        {-200.0f, 0.0f, true, kTurnQuarter, -110.0f},
    };
    for (const auto& c : cases) {
        Fish fish = SwimmingFish(0.0f, 0.0f, c.from);
        ResetCrtRand();
        fish.TurnHeading(c.amount, c.flip, c.mode);
        EXPECT_EQ(fish.targetHeading, c.to) << "from " << c.from << " mode " << c.mode;
    }
    // Quarter turns only in the deep band, which is open at -60, -75 and -90.
    for (float z : {-60.0f, -75.0f, -90.0f, -50.0f}) {
        Fish shallow = SwimmingFish(0.0f, 0.0f, 90.0f);
        shallow.position[2] = z;
        shallow.TurnHeading(0.0f, true, kTurnQuarter);
        EXPECT_EQ(shallow.targetHeading, 90.0f) << "z " << z;
    }
    ResetCrtRand();
}

TEST(FishTurnPitch, WhimTurnsBackTowardLevelByFifteenToTwentyNine) {
    const struct {
        float from, low, high;
    } cases[] = {{40.0f, 11.0f, 25.0f}, {-40.0f, -25.0f, -11.0f}, {0.0f, 15.0f, 29.0f}};
    ResetCrtRand();
    for (const auto& c : cases) {
        float lowest = 100.0f;
        float highest = -100.0f;
        for (int i = 0; i < 300; ++i) {
            Fish fish;
            fish.pitch = c.from;
            fish.TurnPitch(0.0f, false, kTurnWhim);
            lowest = std::fmin(lowest, fish.pitch);
            highest = std::fmax(highest, fish.pitch);
        }
        EXPECT_EQ(lowest, c.low) << "from " << c.from;
        EXPECT_EQ(highest, c.high) << "from " << c.from;
    }
    ResetCrtRand();
}

TEST(FishWhim, ComesAfterTheIdleTimerPasses200ButNotWhileFeedingOrTurning) {
    Fish fish = SwimmingFish(0.0f, 0.0f, 0.0f);
    fish.idleTimer = 200;
    fish.RandomWhim();
    EXPECT_EQ(fish.idleTimer, 201);
    EXPECT_EQ(fish.pitch, 0.0f);

    const int idle = DrawAfter(0) % 100;
    const int r = DrawAfter(1) % 4;
    const int pitchStep = DrawAfter(4) % 15 + 15;  // after the speed's draw and the whim turn's two
    fish.RandomWhim();
    EXPECT_EQ(fish.idleTimer, idle);
    const float speedTarget = static_cast<float>(r + 1) * 0.1f;
    EXPECT_FLOAT_EQ(fish.speed, speedTarget > 0.2f ? 0.25f : (speedTarget < 0.2f ? 0.15f : 0.2f));
    EXPECT_EQ(fish.pitch, static_cast<float>(pitchStep));
    EXPECT_NE(fish.targetHeading, 0.0f);

    Fish feeding = SwimmingFish(0.0f, 0.0f, 0.0f);
    feeding.SetFeeding(true);
    feeding.idleTimer = 500;
    feeding.RandomWhim();
    EXPECT_EQ(feeding.idleTimer, 500);

    Fish turning = SwimmingFish(0.0f, 0.0f, 0.0f);
    turning.targetHeading = 40.0f;
    turning.pitch = 10.0f;
    turning.idleTimer = 500;
    turning.RandomWhim();
    EXPECT_LT(turning.idleTimer, 100);
    EXPECT_EQ(turning.targetHeading, 40.0f);
    EXPECT_EQ(turning.pitch, 10.0f) << "no whim turn while turning";
    ResetCrtRand();
}
