#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>
#include <tuple>
#include <vector>

#include "core/fish/Fish.h"
#include "core/fish/FishAnimation.h"
#include "core/fish/FishSchool.h"
#include "core/tank/TankBounds.h"
#include "fish/FishFrame.h"
#include "platform/runtime/Random.h"

namespace {
// A fish swimming straight at `heading`, just given a new target.
Fish TurningFish(float heading, float target) {
    Fish fish;
    fish.heading = heading;
    fish.turnFrom = heading;
    fish.segmentYaw.fill(static_cast<int>(heading));
    fish.turnDone = true;
    fish.bendDone = true;
    fish.targetHeading = target;
    return fish;
}

std::vector<float> HeadingsOver(Fish& fish, int frames) {
    std::vector<float> headings;
    std::array<float, 19> yaw{};
    for (int i = 0; i < frames; ++i) {
        StepBodyYaw(fish, yaw);
        headings.push_back(fish.heading);
    }
    return headings;
}

// How far outside its box the steering lets a fish go. y is clamped at every
// bounds check; a released fish may reappear at y = -15, a unit under the
// bottom. Sideways, a fish that meets a wall while its target points back in
// turns only one degree every third frame (targets near 0) at the crawl speed
// of 0.1 the walls impose: 0.3 times the sum of cos over a quarter turn is
// about 17 units in x, and over a half turn the sum of |sin| gives about 34 in z.
// A release at x = -55 starts 5 units out. The margins add a little for whims.
constexpr float kMarginX = 25.0f;
constexpr float kMarginZ = 40.0f;

// Inclusive, and false for a NaN.
bool Within(float value, float low, float high) {
    return value >= low && value <= high;
}
}  // namespace

// After 200 idle frames a whim sets a new speed and tilts the fish by 15 to 29
// degrees, turning it too in the deep band; none while feeding, and no turn
// while the fish is still turning.
TEST(FishWhim, ComesAfterTheIdleTimerPasses200ButNotWhileFeedingOrTurning) {
    ResetCrtRand();
    Fish fish = SwimmingFish(0.0f, 0.0f, 0.0f);
    fish.idleTimer = 200;
    fish.RandomWhim();
    EXPECT_EQ(std::tie(fish.idleTimer, fish.pitch), std::make_tuple(201, 0.0f));
    fish.RandomWhim();
    EXPECT_LT(fish.idleTimer, 100);
    EXPECT_TRUE(Within(fish.speed, 0.15f, 0.25f) && Within(fish.pitch, 15.0f, 29.0f));
    EXPECT_NE(fish.targetHeading, 0.0f);

    for (const auto& [feeding, turningTo] : {std::pair{true, 0.0f}, {false, 40.0f}}) {
        fish = SwimmingFish(0.0f, 0.0f, 0.0f);
        fish.feeding = feeding;
        fish.targetHeading = turningTo;
        fish.idleTimer = 500;
        fish.RandomWhim();
        EXPECT_EQ(std::make_tuple(fish.idleTimer == 500, fish.targetHeading, fish.pitch),
                  std::make_tuple(feeding, turningTo, 0.0f));
    }
    ResetCrtRand();
}

TEST(FishWalls, ReversesAtSideWallsAndSnapsHeadingNextFrame) {
    // x, heading, teleport, x then, target, wall, and the sign of x's motion in
    // the next frame (0 when it teleported).
    const std::tuple<float, float, bool, float, float, int, float> cases[] = {
        {-50.05f, 0.0f, false, -49.95f, 180.0f, kWallXMin, 1.0f},
        {-50.05f, 0.0f, true, 50.0f, 180.0f, kWallXMin, 0.0f},
        {50.05f, 180.0f, false, 49.95f, 360.0f, kWallXMax, -1.0f}};
    for (const auto& [x, heading, teleport, checkedX, target, wall, away] : cases) {
        Fish fish = SwimmingFish(x, 0.0f, heading);
        // The next draw is the first one with `% 5 == 0`, or the first without.
        ResetCrtRand();
        int skip = 0;
        while ((CrtRand() % 5 == 0) != teleport) ++skip;
        ResetCrtRand();
        for (int i = 0; i < skip; ++i) CrtRand();
        fish.CheckBounds();
        EXPECT_EQ(std::tie(fish.targetHeading, fish.wallState), std::tie(target, wall)) << x;
        EXPECT_FLOAT_EQ(fish.position[0], checkedX) << x;
        // Still facing the wall, it turns on the spot...
        Fish held = fish;
        held.Move();
        EXPECT_EQ(held.position, fish.position) << x;
        // ...but the body snaps to the new heading in the next frame and it swims off.
        FishPose pose;
        fish.Update(pose);
        EXPECT_EQ(fish.heading, target) << x;
        for (int station : fish.segmentYaw) EXPECT_EQ(station, target) << x;
        EXPECT_EQ((fish.position[0] - checkedX) * away > 0.0f, !teleport) << x;
        EXPECT_TRUE(teleport || fish.wallState == kWallNone) << x;
    }
    ResetCrtRand();
}

// Released at the tank's left or right, at a height of -15 to 14, with its
// heading and speed.
TEST(FishCaught, HeldFor50FramesThenReleasedAtEitherSide) {
    ResetCrtRand();
    std::set<float> sides;
    for (int i = 0; i < 20; ++i) {
        Fish fish = SwimmingFish(12.0f, 3.0f, 40.0f);
        fish.position[2] = -69.0f;
        fish.caught = true;
        for (int frame = 1; frame <= 50; ++frame) {
            fish.MoveOrHoldCaught();
            ASSERT_TRUE(fish.caught && fish.caughtFrames == frame && fish.position[0] == 12.0f);
        }
        fish.MoveOrHoldCaught();
        EXPECT_EQ(std::tie(fish.caught, fish.caughtFrames, fish.heading, fish.speed),
                  std::make_tuple(false, 0, 40.0f, 0.2f));
        EXPECT_TRUE(Within(fish.position[1], -15.0f, 14.0f) && fish.position[2] == -70.0f);
        sides.insert(fish.position[0]);
    }
    EXPECT_EQ(sides, (std::set<float>{-55.0f, 45.0f}));
    ResetCrtRand();
}

// The size of the target, not of the turn still to go, sets the step; a
// feeding fish always turns in ten-degree steps.
TEST(FishBodyYaw, TurnsEveryThirdFrameInStepsSetByTheTarget) {
    const std::tuple<float, float, bool, std::vector<float>> cases[] = {
        {0.0f, 180.0f, false, {0, 0, 10, 10, 10, 20, 20, 20, 30}},
        {0.0f, 4.0f, false, {0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 4}},
        {0.0f, 8.0f, false, {0, 0, 3, 3, 3, 6, 6, 6, 8}},
        {-120.0f, -2.0f, false, {-120, -120, -119}},
        {0.0f, 4.0f, true, {0, 0, 4}}};
    for (const auto& [from, target, feeding, headings] : cases) {
        Fish fish = TurningFish(from, target);
        fish.feeding = feeding;
        EXPECT_EQ(HeadingsOver(fish, static_cast<int>(headings.size())), headings)
            << from << " to " << target;
    }
    Fish far = TurningFish(0.0f, 180.0f);
    EXPECT_FLOAT_EQ(HeadingsOver(far, 69).back(), 180.0f);
    EXPECT_TRUE(far.turnDone);
}

// Every fish of a full school, placed at random in its box, swimming, being
// touched now and then and caught now and then, for 10,000 frames.
TEST(FishLongRun, SchoolStaysInItsBoxWithSaneSpeedAndPitch) {
    ResetCrtRand();
    std::array<Fish, kSchoolSlots> school;
    for (Fish& fish : school) PlaceFish(fish, TankBoundsForScreen(1920, 1080));
    const FishBounds box = school[0].bounds;
    int released = 0;
    FishPose pose;
    for (int frame = 0; frame < 10000; ++frame) {
        for (int slot = 0; slot < kSchoolSlots; ++slot) {
            Fish& fish = school[slot];
            if ((frame + 13 * slot) % 1999 == 0) fish.caught = true;
            if ((frame + 7 * slot) % 997 == 0) {
                fish.TurnHeading(0.0f, true, kTurnQuarter);
                fish.ChangeSpeed(0.4f, 0.3f);
            }
            const bool wasCaught = fish.caught;
            fish.Update(pose);
            released += wasCaught && !fish.caught ? 1 : 0;
            const auto& [x, y, z] = fish.position;
            ASSERT_TRUE(Within(x, box.xMin - kMarginX, box.xMax + kMarginX) &&
                        Within(y, std::fmin(box.yBottom, -15.0f), box.yTop) &&
                        Within(z, box.zMin - kMarginZ, box.zMax + kMarginZ) &&
                        Within(fish.speed, 0.1f, 0.3f) && Within(fish.pitch, -45.0f, 45.0f) &&
                        Within(fish.shownPitch, -45.0f, 45.0f))
                << frame << ", " << slot;
        }
    }
    EXPECT_GT(released, 800);
    ResetCrtRand();
}
