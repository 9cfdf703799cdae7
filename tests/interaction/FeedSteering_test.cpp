#include <gtest/gtest.h>

#include <tuple>

#include "core/interaction/FeedSteering.h"
#include "fish/FishFrame.h"

namespace {
// A fish at (0, 0, -70) whose head lies at `head`.
Fish FishWithHead(const std::array<float, 3>& head) {
    Fish fish = SwimmingFish(0.0f, 0.0f, 0.0f);
    fish.extent.head = head;
    return fish;
}

// Pellets all inactive but the first, whose flake is seen at `point`.
std::array<FoodPellet, kFoodPelletCount> OnePelletAt(const std::array<float, 3>& point) {
    std::array<FoodPellet, kFoodPelletCount> pellets;
    for (FoodPellet& pellet : pellets) pellet.SetActive(false);
    pellets[0].SetActive(true);
    pellets[0].point = point;
    return pellets;
}
}  // namespace

TEST(PelletBearing, AxesOriginAndEveryQuadrant) {
    const std::tuple<float, float, float> cases[] = {
        {0.0f, 0.0f, 0.0f},   {0.0f, 5.0f, 90.0f},       {0.00005f, -5.0f, 270.0f},
        {5.0f, 0.0f, 0.0f},   {-5.0f, 0.00005f, 180.0f}, {1.0f, 2.0f, 63.0f},
        {2.0f, 1.0f, 26.0f},  {-1.0f, 2.0f, 27.0f},      {-1.0f, -2.0f, 27.0f},
        {2.0f, -1.0f, 64.0f},
    };
    for (const auto& [x, y, bearing] : cases) {
        EXPECT_EQ(PelletBearing({x, y, -70.0f}), bearing) << x << ", " << y;
    }
}

TEST(HeadingOffset, AngleBetweenTheFishAxisAndThePelletIncludingNearVerticalLines) {
    const std::tuple<std::array<float, 3>, std::array<float, 3>, float> cases[] = {
        // Along x, pellet on a slope of 2: atan 2.
        {{1.0f, 0.0f, -70.0f}, {5.0f, 0.0f, -60.0f}, 63.434948f},
        {{1.0f, 0.0f, -70.0f}, {5.0f, 3.0f, -70.0f}, 0.0f},
        // Axis along z: its slope stands in as steep.
        {{0.0f, 0.0f, -69.0f}, {5.0f, 0.0f, -70.0f}, 89.994274f},
        // Both steep: nearly parallel.
        {{0.0f, 0.0f, -69.0f}, {0.0f, 0.0f, -60.0f}, 0.0063025f},
        // Perpendicular slopes 1 and -1: the steep stand-in for 1 + m1 m2 = 0.
        {{1.0f, 0.0f, -69.0f}, {1.0f, 0.0f, -71.0f}, 89.997135f},
    };
    for (const auto& [head, pellet, offset] : cases) {
        EXPECT_NEAR(HeadingOffset(FishWithHead(head), pellet), offset, 1e-4f)
            << head[0] << " " << head[2] << " / " << pellet[0] << " " << pellet[2];
    }
}

TEST(FeedSteer, FeedsOnlyWithAPelletNearTheHeadAndSlowsDownRightAtIt) {
    // Pellet point, feeding, speed after one call from 0.2.
    const std::tuple<std::array<float, 3>, bool, float> cases[] = {
        {{-12.0f, 0.0f, -70.0f}, false, 0.2f},
        {{-8.0f, 0.0f, -70.0f}, true, 0.2f},
        {{-2.0f, 1.0f, -70.0f}, true, 0.1f},
    };
    for (const auto& [point, feeding, speed] : cases) {
        Fish fish = FishWithHead({-1.0f, 0.0f, -70.0f});
        fish.feeding = true;
        FeedSteer(fish, OnePelletAt(point));
        EXPECT_EQ(fish.feeding, feeding) << point[0];
        EXPECT_FLOAT_EQ(fish.speed, speed) << point[0];
    }
}

TEST(FeedSteer, TurnsTowardAPelletBehindAndClimbsToOneAhead) {
    // Heading 0 swims toward -x: a pellet at +x lies behind the head.
    Fish behind = FishWithHead({-1.0f, 0.0f, -70.0f});
    FeedSteer(behind, OnePelletAt({5.0f, 0.0f, -65.0f}));
    EXPECT_NE(behind.targetHeading, behind.heading);

    Fish ahead = FishWithHead({-1.0f, 0.0f, -70.0f});
    FeedSteer(ahead, OnePelletAt({-5.0f, 4.0f, -70.0f}));
    EXPECT_EQ(ahead.targetHeading, ahead.heading);
    EXPECT_GT(ahead.pitch, 0.0f);
}
