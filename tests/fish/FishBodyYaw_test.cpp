#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/fish/FishAnimation.h"

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
    for (const auto& [target, tail] : {std::pair{160.0f, 40.0f}, std::pair{40.0f, 160.0f}}) {
        Fish fish = TurningFish(100.0f, target);
        fish.turnDone = false;
        fish.turnFrom = target;
        std::array<float, 19> yaw{};
        StepBodyYaw(fish, yaw);
        EXPECT_FLOAT_EQ(yaw[0], 100.0f) << target;
        EXPECT_FLOAT_EQ(yaw[9], (100.0f + tail) / 2.0f) << target;
        EXPECT_FLOAT_EQ(yaw[18], tail) << target;
        EXPECT_EQ(fish.segmentYaw[18], static_cast<int>(tail)) << target;
    }
}
