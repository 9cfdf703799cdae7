#include <gtest/gtest.h>

#include <vector>

#include "fish/FishAnimation.h"

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
}  // namespace

// The size of the target, not of the turn still to go, sets the step; a
// feeding fish always turns in ten-degree steps.
TEST(FishBodyYaw, TurnsEveryThirdFrameInStepsSetByTheTarget) {
    const struct {
        float from, target;
        bool feeding;
        std::vector<float> headings;
    } cases[] = {
        {0.0f, 180.0f, false, {0, 0, 10, 10, 10, 20, 20, 20, 30}},
        {0.0f, 4.0f, false, {0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 4}},
        {0.0f, 8.0f, false, {0, 0, 3, 3, 3, 6, 6, 6, 8}},
        {-120.0f, -2.0f, false, {-120, -120, -119}},
        {0.0f, 4.0f, true, {0, 0, 4}},
    };
    for (const auto& c : cases) {
        Fish fish = TurningFish(c.from, c.target);
        fish.feeding = c.feeding;
        EXPECT_EQ(HeadingsOver(fish, static_cast<int>(c.headings.size())), c.headings)
            << c.from << " to " << c.target;
    }
    Fish far = TurningFish(0.0f, 180.0f);
    EXPECT_FLOAT_EQ(HeadingsOver(far, 69).back(), 180.0f);
    EXPECT_TRUE(far.turnDone);
}

TEST(FishBodyYaw, TailLagsBehindTheHeadByTheTurnStillToGo) {
    std::array<float, 19> yaw{};
    Fish right = TurningFish(100.0f, 160.0f);
    right.turnDone = false;
    right.turnFrom = 160.0f;
    StepBodyYaw(right, yaw);
    EXPECT_FLOAT_EQ(yaw[0], 100.0f);
    EXPECT_FLOAT_EQ(yaw[9], 70.0f);
    EXPECT_FLOAT_EQ(yaw[18], 40.0f);
    EXPECT_EQ(right.segmentYaw[18], 40);

    Fish left = TurningFish(100.0f, 40.0f);
    left.turnDone = false;
    left.turnFrom = 40.0f;
    StepBodyYaw(left, yaw);
    EXPECT_FLOAT_EQ(yaw[18], 160.0f);
}

TEST(FishBodyYaw, BodyStraightensTwoDegreesPerFrameOnceTheTurnIsDone) {
    Fish fish = TurningFish(0.0f, 30.0f);
    std::array<float, 19> yaw{};
    do {
        StepBodyYaw(fish, yaw);
    } while (!fish.turnDone);
    ASSERT_FLOAT_EQ(fish.heading, 30.0f);
    // The last bend left the head at 20 and the tail at 20 - 10; every station
    // has taken its first step toward 30.
    EXPECT_FLOAT_EQ(yaw[18], 12.0f);
    StepBodyYaw(fish, yaw);
    EXPECT_FLOAT_EQ(yaw[18], 14.0f);
    EXPECT_FLOAT_EQ(yaw[0], 24.0f);
    for (int i = 0; i < 40; ++i) StepBodyYaw(fish, yaw);
    EXPECT_TRUE(fish.bendDone);
    for (float station : yaw) EXPECT_FLOAT_EQ(station, 30.0f);
}
