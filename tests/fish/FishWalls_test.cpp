#include <gtest/gtest.h>

#include "core/fish/Fish.h"
#include "fish/FishFrame.h"
#include "platform/posix/Random.h"

namespace {
// Moves the fish's layer bounds well clear, so the layer's own slowing and
// veering stay out of a test about the other walls.
void ClearOfTheLayer(Fish& fish) {
    fish.bounds.zMin = -80.0f;
    fish.bounds.zMax = -60.0f;
}

// Leaves the stream so that its next draw is the first one with `% 5 == 0`
// (or the first without, when `teleport` is false).
void PrepareRandomForReentry(bool teleport) {
    ResetCrtRand();
    int skip = 0;
    while ((CrtRand() % 5 == 0) != teleport) ++skip;
    ResetCrtRand();
    for (int i = 0; i < skip; ++i) CrtRand();
}
}  // namespace

TEST(FishWalls, ReversesAtSideWallsAndSnapsHeadingNextFrame) {
    const struct {
        float x, heading;
        bool teleport;
        float checkedX, target;
        int wall;
        float away;  // the sign of x's motion in the next frame, unless it teleported
    } cases[] = {{-50.05f, 0.0f, false, -49.95f, 180.0f, kWallXMin, 1.0f},
                 {-50.05f, 0.0f, true, 50.0f, 180.0f, kWallXMin, 0.0f},
                 {50.05f, 180.0f, false, 49.95f, 360.0f, kWallXMax, -1.0f}};
    for (const auto& c : cases) {
        Fish fish = SwimmingFish(c.x, 0.0f, c.heading);
        PrepareRandomForReentry(c.teleport);
        fish.CheckBounds();
        EXPECT_EQ(fish.targetHeading, c.target) << c.x;
        EXPECT_FLOAT_EQ(fish.position[0], c.checkedX) << c.x;
        EXPECT_EQ(fish.wallState, c.wall) << c.x;

        // Still facing the wall, it turns on the spot...
        Fish held = fish;
        held.Move();
        EXPECT_EQ(held.position, fish.position) << c.x;

        // ...but the body snaps to the new heading in the next frame and it swims off.
        StepFish(fish);
        EXPECT_EQ(fish.heading, c.target) << c.x;
        for (int station : fish.segmentYaw) EXPECT_EQ(station, c.target) << c.x;
        if (!c.teleport) {
            EXPECT_GT((fish.position[0] - c.checkedX) * c.away, 0.0f) << c.x;
            EXPECT_EQ(fish.wallState, kWallNone) << c.x;
        }
    }

    // A fish already turning back is left alone.
    Fish turningBack = SwimmingFish(-50.05f, 0.0f, 0.0f);
    turningBack.targetHeading = 170.0f;
    turningBack.UpdateDirectionFlags();
    turningBack.CheckBounds();
    EXPECT_EQ(turningBack.targetHeading, 170.0f);
    EXPECT_EQ(turningBack.position[0], -50.05f);
    EXPECT_EQ(turningBack.wallState, kWallNone);
    ResetCrtRand();
}

TEST(FishWalls, BouncesOffTopAndBottomAndSlowsNearTheSides) {
    const struct {
        float x, y, heading, pitch, speed;
        float newPitch, newY;
        int wall;
        float newSpeed;
    } cases[] = {{0.0f, 15.0f, 0.0f, 20.0f, 0.3f, -20.0f, 15.0f, kWallYTop, 0.2f},
                 {0.0f, -14.5f, 0.0f, -30.0f, 0.2f, 30.0f, -14.0f, kWallYBottom, 0.1f},
                 {-45.0f, 0.0f, 180.0f, 0.0f, 0.3f, 0.0f, 0.0f, kWallNone, 0.29f},
                 {0.0f, 0.0f, 180.0f, 0.0f, 0.3f, 0.0f, 0.0f, kWallNone, 0.3f}};
    for (const auto& c : cases) {
        Fish fish = SwimmingFish(c.x, c.y, c.heading);
        ClearOfTheLayer(fish);
        fish.pitch = c.pitch;
        fish.speed = c.speed;
        fish.CheckBounds();
        EXPECT_EQ(fish.pitch, c.newPitch) << c.x << ", " << c.y;
        EXPECT_EQ(fish.position[1], c.newY) << c.x << ", " << c.y;
        EXPECT_EQ(fish.wallState, c.wall) << c.x << ", " << c.y;
        EXPECT_FLOAT_EQ(fish.speed, c.newSpeed) << c.x << ", " << c.y;
    }
}

TEST(FishWalls, KeepsToTheThinLayer) {
    // Behind the layer and heading further back: veer and come back to -68.
    Fish behind = SwimmingFish(0.0f, 0.0f, 270.0f);
    behind.position[2] = -70.5f;
    ResetCrtRand();
    const int veer = CrtRand() % 180;
    ResetCrtRand();
    behind.CheckBounds();
    EXPECT_EQ(behind.position[2], -68.0f);
    EXPECT_EQ(behind.targetHeading, 270.0f + veer);
    EXPECT_FLOAT_EQ(behind.speed, 0.1f);

    // In front of it and heading further forward: veer, and no +z next frame.
    Fish front = SwimmingFish(0.0f, 0.0f, 90.0f);
    front.position[2] = -69.0f;
    front.CheckBounds();
    EXPECT_EQ(front.wallState, kWallZMax);
    EXPECT_NE(front.targetHeading, 90.0f);
    ResetCrtRand();
}

TEST(FishMove, SwimsAlongHeadingAndPitchExceptThroughTheWallItHit) {
    const struct {
        float heading, pitch;
        int wall;
        float x, y, z;
    } cases[] = {{0.0f, 30.0f, kWallNone, -0.2f, 0.1f, -70.0f},
                 {180.0f, 0.0f, kWallNone, 0.2f, 0.0f, -70.0f},
                 {90.0f, 0.0f, kWallNone, 0.0f, 0.0f, -69.8f},
                 {10.0f, 0.0f, kWallXMin, 0.0f, 0.0f, -69.965271f},
                 {170.0f, 0.0f, kWallXMax, 0.0f, 0.0f, -69.965271f},
                 {60.0f, 0.0f, kWallZMax, -0.1f, 0.0f, -70.0f}};
    for (const auto& c : cases) {
        Fish fish = SwimmingFish(0.0f, 0.0f, c.heading);
        ClearOfTheLayer(fish);
        fish.pitch = c.pitch;
        fish.wallState = c.wall;
        fish.Move();
        EXPECT_NEAR(fish.position[0], c.x, 1e-7f) << c.heading;
        EXPECT_NEAR(fish.position[1], c.y, 1e-7f) << c.heading;
        EXPECT_FLOAT_EQ(fish.position[2], c.z) << c.heading;
    }
}
