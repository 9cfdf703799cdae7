#include <gtest/gtest.h>

#include "fish/Fish.h"
#include "fish/FishFrame.h"
#include "platform/Random.h"

namespace {
// A fish in the school's box (x -50..50, y -14..15, z pinned at -70).
Fish FishAt(float x, float y, float heading) {
    Fish fish;
    fish.SetBounds(-50.0f, 50.0f, 5.0f, -19.0f, -70.0f, -70.0f);
    fish.position = {x, y, -70.0f};
    fish.heading = fish.targetHeading = heading;
    fish.pitch = fish.shownPitch = 0.0f;
    fish.speed = 0.2f;
    fish.UpdateDirectionFlags();
    return fish;
}

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

TEST(FishWalls, ReversesAndSnapsHeadingAtLeftWall) {
    Fish fish = FishAt(-50.05f, 0.0f, 0.0f);
    PrepareRandomForReentry(false);
    fish.CheckBounds();
    EXPECT_EQ(fish.targetHeading, 180.0f);
    EXPECT_FLOAT_EQ(fish.position[0], -49.95f);
    EXPECT_EQ(fish.wallState, kWallXMin);

    // Still facing the wall, it does not move...
    Fish held = fish;
    held.Move();
    EXPECT_EQ(held.position, fish.position);
    EXPECT_EQ(held.wallState, kWallXMin);

    // ...but the body snaps to the new heading in the next frame and it swims off.
    StepFish(fish);
    EXPECT_EQ(fish.heading, 180.0f);
    EXPECT_GT(fish.position[0], -49.95f);
    EXPECT_EQ(fish.wallState, kWallNone);
    ResetCrtRand();
}

TEST(FishWalls, OneTimeInFiveComesBackAtTheFarSide) {
    Fish fish = FishAt(-50.05f, 0.0f, 0.0f);
    PrepareRandomForReentry(true);
    fish.CheckBounds();
    EXPECT_EQ(fish.position[0], 50.0f);
    EXPECT_EQ(fish.targetHeading, 180.0f);
    EXPECT_EQ(fish.wallState, kWallXMin);
    ResetCrtRand();
}

TEST(FishWalls, ReversesAtRightWall) {
    Fish fish = FishAt(50.05f, 0.0f, 180.0f);
    fish.CheckBounds();
    EXPECT_EQ(fish.targetHeading, 360.0f);
    EXPECT_FLOAT_EQ(fish.position[0], 49.95f);
    EXPECT_EQ(fish.wallState, kWallXMax);
}

TEST(FishWalls, AFishAlreadyTurningBackIsLeftAlone) {
    Fish fish = FishAt(-50.05f, 0.0f, 0.0f);
    fish.targetHeading = 170.0f;
    fish.UpdateDirectionFlags();
    fish.CheckBounds();
    EXPECT_EQ(fish.targetHeading, 170.0f);
    EXPECT_EQ(fish.position[0], -50.05f);
    EXPECT_EQ(fish.wallState, kWallNone);
}

TEST(FishWalls, WallStateBlocksMotionThroughThatWallForOneFrame) {
    Fish left = FishAt(0.0f, 0.0f, 10.0f);
    left.wallState = kWallXMin;
    left.Move();
    EXPECT_EQ(left.position[0], 0.0f);
    EXPECT_GT(left.position[2], -70.0f);

    Fish right = FishAt(0.0f, 0.0f, 170.0f);
    right.wallState = kWallXMax;
    right.Move();
    EXPECT_EQ(right.position[0], 0.0f);

    Fish front = FishAt(0.0f, 0.0f, 60.0f);
    front.wallState = kWallZMax;
    front.Move();
    EXPECT_EQ(front.position[2], -70.0f);
    EXPECT_LT(front.position[0], 0.0f);
}

TEST(FishWalls, BouncesOffTopAndBottom) {
    Fish top = FishAt(0.0f, 15.0f, 0.0f);
    ClearOfTheLayer(top);
    top.pitch = 20.0f;
    top.speed = 0.3f;
    top.CheckBounds();
    EXPECT_EQ(top.pitch, -20.0f);
    EXPECT_EQ(top.position[1], 15.0f);
    EXPECT_EQ(top.wallState, kWallYTop);
    EXPECT_FLOAT_EQ(top.speed, 0.2f);

    Fish bottom = FishAt(0.0f, -14.5f, 0.0f);
    bottom.pitch = -30.0f;
    bottom.CheckBounds();
    EXPECT_EQ(bottom.pitch, 30.0f);
    EXPECT_EQ(bottom.position[1], -14.0f);
    EXPECT_EQ(bottom.wallState, kWallYBottom);
}

TEST(FishWalls, SlowsNearTheSideWalls) {
    Fish nearWall = FishAt(-45.0f, 0.0f, 180.0f);
    ClearOfTheLayer(nearWall);
    nearWall.speed = 0.3f;
    nearWall.CheckBounds();
    EXPECT_FLOAT_EQ(nearWall.speed, 0.29f);

    Fish middle = FishAt(0.0f, 0.0f, 180.0f);
    ClearOfTheLayer(middle);
    middle.speed = 0.3f;
    middle.CheckBounds();
    EXPECT_FLOAT_EQ(middle.speed, 0.3f);
}

TEST(FishWalls, KeepsToTheThinLayer) {
    // Behind the layer and heading further back: veer and come back to -68.
    Fish behind = FishAt(0.0f, 0.0f, 270.0f);
    behind.position[2] = -70.5f;
    ResetCrtRand();
    const int veer = CrtRand() % 180;
    ResetCrtRand();
    behind.CheckBounds();
    EXPECT_EQ(behind.position[2], -68.0f);
    EXPECT_EQ(behind.targetHeading, 270.0f + veer);
    EXPECT_FLOAT_EQ(behind.speed, 0.1f);

    // In front of it and heading further forward: veer, and no +z next frame.
    Fish front = FishAt(0.0f, 0.0f, 90.0f);
    front.position[2] = -69.0f;
    front.CheckBounds();
    EXPECT_EQ(front.wallState, kWallZMax);
    EXPECT_NE(front.targetHeading, 90.0f);
    ResetCrtRand();
}

TEST(FishMove, SwimsAlongHeadingAndClimbsAlongPitch) {
    Fish fish = FishAt(0.0f, 0.0f, 0.0f);
    fish.pitch = 30.0f;
    fish.Move();
    EXPECT_FLOAT_EQ(fish.position[0], -0.2f);
    EXPECT_FLOAT_EQ(fish.position[1], 0.1f);
    EXPECT_EQ(fish.position[2], -70.0f);

    Fish away = FishAt(0.0f, 0.0f, 180.0f);
    away.Move();
    EXPECT_FLOAT_EQ(away.position[0], 0.2f);

    Fish forward = FishAt(0.0f, 0.0f, 90.0f);
    ClearOfTheLayer(forward);
    forward.Move();
    EXPECT_FLOAT_EQ(forward.position[2], -69.8f);
    EXPECT_NEAR(forward.position[0], 0.0f, 1e-6f);
}

TEST(FishMove, HeadingBeyondAFullTurnFoldsBack) {
    Fish fish = FishAt(0.0f, 0.0f, 0.0f);
    fish.heading = 361.0f;
    fish.Move();
    EXPECT_EQ(fish.heading, 180.0f);
    fish.heading = -361.0f;
    fish.Move();
    EXPECT_EQ(fish.heading, -180.0f);
}

TEST(FishDirectionFlags, QuadrantsIncludeTheirBounds) {
    const struct {
        float heading;
        bool leftward;
        bool plusZ;
    } cases[] = {{0.0f, true, true},     {90.0f, true, true},    {90.5f, false, true},
                 {180.0f, false, true},  {180.5f, false, false}, {270.0f, true, false},
                 {360.0f, true, false},  {-90.0f, true, false},  {-90.5f, false, false},
                 {-180.0f, false, true}, {-269.0f, false, true}, {-270.0f, true, true},
                 {-360.0f, true, true}};
    for (const auto& c : cases) {
        Fish fish = FishAt(0.0f, 0.0f, c.heading);
        EXPECT_EQ(fish.leftward, c.leftward) << c.heading;
        EXPECT_EQ(fish.rightward, !c.leftward) << c.heading;
        EXPECT_EQ(fish.towardPlusZ, c.plusZ) << c.heading;
        EXPECT_EQ(fish.towardMinusZ, !c.plusZ) << c.heading;
        EXPECT_EQ(fish.targetLeftward, c.leftward) << c.heading;
        EXPECT_EQ(fish.targetPlusZ, c.plusZ) << c.heading;
    }
    Fish climbing = FishAt(0.0f, 0.0f, 0.0f);
    climbing.shownPitch = -1.0f;
    climbing.pitch = 5.0f;
    climbing.UpdateDirectionFlags();
    EXPECT_TRUE(climbing.down);
    EXPECT_FALSE(climbing.up);
    EXPECT_TRUE(climbing.targetUp);
    EXPECT_FALSE(climbing.targetDown);
}
