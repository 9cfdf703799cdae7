#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fish/Fish.h"
#include "platform/Random.h"

namespace {
Fish SteadyFish(float heading) {
    Fish fish;
    fish.SetBounds(-50.0f, 50.0f, 5.0f, -19.0f, -70.0f, -70.0f);
    fish.position = {0.0f, 0.0f, -70.0f};
    fish.heading = fish.targetHeading = heading;
    fish.UpdateDirectionFlags();
    return fish;
}

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
    fish.ChangeSpeed(0.05f, 0.4f);
    EXPECT_FLOAT_EQ(fish.speed, 0.3f);
    fish.ChangeSpeed(0.01f, 0.1f);
    EXPECT_FLOAT_EQ(fish.speed, 0.29f);
    fish.ChangeSpeed(0.4f, 0.1f);
    EXPECT_FLOAT_EQ(fish.speed, 0.1f);
    fish.ChangeSpeed(0.4f, 0.3f);
    EXPECT_FLOAT_EQ(fish.speed, 0.3f);
    fish.ChangeSpeed(0.1f, 0.3f);
    EXPECT_FLOAT_EQ(fish.speed, 0.3f);
}

TEST(FishTurnHeading, ATurningFishIgnoresNewTargets) {
    Fish fish = SteadyFish(0.0f);
    fish.targetHeading = 90.0f;
    ResetCrtRand();
    fish.TurnHeading(0.0f, false, kTurnReverse);
    fish.TurnHeading(0.0f, false, kTurnVeer);
    fish.TurnHeading(0.0f, true, kTurnQuarter);
    fish.TurnHeading(0.0f, false, kTurnWhim);
    EXPECT_EQ(fish.targetHeading, 90.0f);
    EXPECT_EQ(CrtRand(), DrawAfter(0)) << "a turning fish draws no random numbers";
}

TEST(FishTurnHeading, ReverseAddsOrTakesHalfATurn) {
    Fish fish = SteadyFish(350.0f);
    fish.TurnHeading(0.0f, false, kTurnReverse);
    EXPECT_EQ(fish.targetHeading, 170.0f);
    fish = SteadyFish(100.0f);
    fish.TurnHeading(0.0f, false, kTurnReverse);
    EXPECT_EQ(fish.targetHeading, 280.0f);
    fish = SteadyFish(180.0f);
    fish.TurnHeading(0.0f, false, kTurnReverse);
    EXPECT_EQ(fish.targetHeading, 360.0f);
    fish = SteadyFish(-300.0f);
    fish.TurnHeading(0.0f, false, kTurnReverse);
    EXPECT_EQ(fish.targetHeading, -120.0f);
}

TEST(FishTurnHeading, WhimDropsOneDrawAndTurnsByTheNext) {
    const int d = DrawAfter(1) % 170;
    Fish fish = SteadyFish(100.0f);
    ResetCrtRand();
    fish.TurnHeading(0.0f, false, kTurnWhim);
    EXPECT_EQ(fish.targetHeading, 100.0f + d);
    fish = SteadyFish(200.0f);
    ResetCrtRand();
    fish.TurnHeading(0.0f, false, kTurnWhim);
    EXPECT_EQ(fish.targetHeading, 200.0f - d);
    ResetCrtRand();
}

TEST(FishTurnHeading, VeerAndSteerFollowTheSignRule) {
    const int d = DrawAfter(0) % 180;
    ASSERT_GT(d, 0);
    Fish leftward = SteadyFish(30.0f);
    ResetCrtRand();
    leftward.TurnHeading(0.0f, false, kTurnVeer);
    EXPECT_EQ(leftward.targetHeading, 30.0f + d);
    Fish rightward = SteadyFish(150.0f);
    ResetCrtRand();
    rightward.TurnHeading(0.0f, false, kTurnVeer);
    EXPECT_EQ(rightward.targetHeading, 150.0f - d);
    rightward = SteadyFish(150.0f);
    ResetCrtRand();
    rightward.TurnHeading(0.0f, true, kTurnVeer);
    EXPECT_EQ(rightward.targetHeading, 150.0f + d);

    // Steering turns by the whole degrees of the amount, whatever its sign.
    leftward = SteadyFish(30.0f);
    leftward.TurnHeading(-20.9f, true, kTurnSteer);
    EXPECT_EQ(leftward.targetHeading, 10.0f);
    ResetCrtRand();
}

TEST(FishTurnHeading, TargetStaysWithinAFullTurnEitherWay) {
    Fish fish = SteadyFish(350.0f);
    fish.TurnHeading(40.0f, false, kTurnSteer);
    EXPECT_EQ(fish.targetHeading, 360.0f);
    fish = SteadyFish(-350.0f);
    fish.TurnHeading(40.0f, true, kTurnSteer);
    EXPECT_EQ(fish.targetHeading, -360.0f);
}

TEST(FishTurnHeading, SteerIgnoresAnAngleThatIsNotANumber) {
    Fish fish = SteadyFish(30.0f);
    fish.TurnHeading(std::numeric_limits<float>::quiet_NaN(), false, kTurnSteer);
    EXPECT_EQ(fish.targetHeading, 30.0f);
    fish.TurnHeading(std::numeric_limits<float>::infinity(), false, kTurnSteer);
    EXPECT_EQ(fish.targetHeading, 30.0f);
}

TEST(FishTurnHeading, QuarterTurnOnlyInTheDeepBand) {
    const struct {
        float from;
        float to;
    } cases[] = {{90.0f, 180.0f},  {180.0f, 270.0f},   {0.0f, -90.0f},   {-180.0f, -270.0f},
                 {200.0f, 110.0f}, {-200.0f, -110.0f}, {-90.0f, -180.0f}};
    for (const auto& c : cases) {
        Fish fish = SteadyFish(c.from);
        fish.TurnHeading(0.0f, true, kTurnQuarter);
        EXPECT_EQ(fish.targetHeading, c.to) << "from " << c.from;
    }
    // The deep band is open at -60, -75 and -90.
    for (float z : {-60.0f, -75.0f, -90.0f, -50.0f}) {
        Fish shallow = SteadyFish(90.0f);
        shallow.position[2] = z;
        shallow.TurnHeading(0.0f, true, kTurnQuarter);
        EXPECT_EQ(shallow.targetHeading, 90.0f) << "z " << z;
    }
}

TEST(FishTurnPitch, WhimTurnsBackTowardLevelByFifteenToTwentyNine) {
    const struct {
        float from;
        float low;
        float high;
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

TEST(FishTurnPitch, BounceAndSteer) {
    Fish fish;
    fish.pitch = 20.0f;
    fish.TurnPitch(0.0f, true, kTurnBounce);
    EXPECT_EQ(fish.pitch, -20.0f);

    fish.pitch = 30.0f;
    fish.TurnPitch(70.0f, true, kTurnSteer);
    EXPECT_EQ(fish.pitch, 30.0f) << "30 + 70 passes 90: ignored";
    fish.TurnPitch(50.0f, true, kTurnSteer);
    EXPECT_EQ(fish.pitch, 45.0f) << "80 is limited to 45";
    fish.TurnPitch(10.0f, false, kTurnSteer);
    EXPECT_EQ(fish.pitch, 35.0f);
    fish.TurnPitch(std::numeric_limits<float>::quiet_NaN(), true, kTurnSteer);
    EXPECT_EQ(fish.pitch, 35.0f);
}

TEST(FishWhim, ComesOnlyOnTheCallAfterTheIdleTimerPasses200) {
    Fish fish = SteadyFish(0.0f);
    fish.idleTimer = 200;
    fish.pitch = 0.0f;
    fish.speed = 0.2f;
    fish.RandomWhim();
    EXPECT_EQ(fish.idleTimer, 201);
    EXPECT_EQ(fish.pitch, 0.0f);

    ResetCrtRand();
    const int idle = DrawAfter(0) % 100;
    const int r = DrawAfter(1) % 4;
    const int pitchStep = DrawAfter(4) % 15 + 15;  // after the whim turn's two draws
    ResetCrtRand();
    fish.RandomWhim();
    EXPECT_EQ(fish.idleTimer, idle);
    const float speedTarget = static_cast<float>(r + 1) * 0.1f;
    EXPECT_FLOAT_EQ(fish.speed, speedTarget > 0.2f ? 0.25f : (speedTarget < 0.2f ? 0.15f : 0.2f));
    EXPECT_EQ(fish.pitch, static_cast<float>(pitchStep));
    EXPECT_NE(fish.targetHeading, 0.0f);
    ResetCrtRand();
}

TEST(FishWhim, NoneWhileFeedingAndNoTurnWhileTurning) {
    Fish feeding = SteadyFish(0.0f);
    feeding.SetFeeding(true);
    feeding.idleTimer = 500;
    feeding.RandomWhim();
    EXPECT_EQ(feeding.idleTimer, 500);

    Fish turning = SteadyFish(0.0f);
    turning.targetHeading = 40.0f;
    turning.pitch = 10.0f;
    turning.idleTimer = 500;
    turning.RandomWhim();
    EXPECT_LT(turning.idleTimer, 100);
    EXPECT_EQ(turning.targetHeading, 40.0f);
    EXPECT_EQ(turning.pitch, 10.0f);
    ResetCrtRand();
}
