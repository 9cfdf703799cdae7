#include <gtest/gtest.h>

#include <vector>

#include "fish/FoodPellet.h"
#include "platform/Random.h"

namespace {
struct DrawnFlake {
    float spinY;
    std::array<float, 3> offset;
    float spinX;
    std::uint32_t displayList;
};

class RecordingPelletPainter : public PelletPainter {
  public:
    void MoveToAnchor(const std::array<float, 3>& anchor) override { anchors.push_back(anchor); }
    void DrawFlake(float spinY, const std::array<float, 3>& offset, float spinX,
                   std::uint32_t displayList) override {
        flakes.push_back({spinY, offset, spinX, displayList});
    }
    std::vector<std::array<float, 3>> anchors;
    std::vector<DrawnFlake> flakes;
};

// Frames until the flake has sunk to offset y = -10, at the given speed.
int FramesToSinkOut(float sinkSpeed) {
    FoodPellet pellet;
    pellet.Place(0.0f, 0.0f, -70.0f);
    pellet.sinkSpeed = sinkSpeed;
    RecordingPelletPainter painter;
    int frames = 0;
    while (pellet.offset[1] > -10.0f && frames < 100000) {
        pellet.Draw(painter);
        ++frames;
    }
    return frames;
}
}  // namespace

TEST(FoodPelletPool, ConstructionAnchorsInTheMiddleOfTheTankAndIsLive) {
    ResetCrtRand();
    FoodPellet first;
    // The stream's first values are 41 and 18467.
    EXPECT_FLOAT_EQ(first.anchor[0], 41 % 60 - 30);
    EXPECT_FLOAT_EQ(first.anchor[1], 18467 % 30 - 15);
    EXPECT_FLOAT_EQ(first.anchor[2], -70.0f);
    EXPECT_TRUE(first.IsActive());
    for (int i = 0; i < 200; ++i) {
        FoodPellet pellet;
        EXPECT_GE(pellet.anchor[0], -30.0f);
        EXPECT_LE(pellet.anchor[0], 29.0f);
        EXPECT_GE(pellet.anchor[1], -15.0f);
        EXPECT_LE(pellet.anchor[1], 14.0f);
    }
}

TEST(FoodPelletPool, InitScattersTheFlakeWithinItsRanges) {
    ResetCrtRand();
    for (int i = 0; i < 500; ++i) {
        FoodPellet pellet;
        pellet.displayList = 7;
        pellet.Init();
        EXPECT_LE(std::abs(pellet.offset[0]), 1.38f);
        EXPECT_FLOAT_EQ(pellet.offset[1], 1.0f);
        EXPECT_LE(std::abs(pellet.offset[2]), 0.38f);
        EXPECT_LE(std::abs(pellet.spinX), 180.0f);
        EXPECT_LE(std::abs(pellet.spinY), 360.0f);
        EXPECT_GE(pellet.sinkSpeed, 0.005f);
        EXPECT_LE(pellet.sinkSpeed, 0.0095f + 1e-7f);
        EXPECT_TRUE(pellet.IsAlive());
        EXPECT_EQ(pellet.displayList, 7u) << "the shared flake list is kept";
    }
}

TEST(FoodPelletSinking, SlowestAndFastestFlakesSinkOutOnTime) {
    EXPECT_EQ(FramesToSinkOut(0.005f), 2200);
    EXPECT_EQ(FramesToSinkOut(0.0095f), 1158);
}

TEST(FoodPelletSinking, SunkFlakeDiesThenFreesItsSlotOnTheFollowingDraw) {
    FoodPellet pellet;
    pellet.Place(0.0f, 0.0f, -70.0f);
    pellet.offset[1] = -10.0f;
    RecordingPelletPainter painter;
    pellet.Draw(painter);
    EXPECT_EQ(painter.flakes.size(), 1u);
    EXPECT_FALSE(pellet.IsAlive());
    EXPECT_TRUE(pellet.IsActive());
    pellet.Draw(painter);
    EXPECT_EQ(painter.flakes.size(), 1u);
    EXPECT_FALSE(pellet.IsActive());
}

TEST(FoodPelletEating, EatenFlakeIsNotDrawnAndFreesItsSlotInTheNextFrame) {
    FoodPellet pellet;
    pellet.Place(3.0f, 4.0f, -70.0f);
    RecordingPelletPainter painter;
    pellet.Draw(painter);
    pellet.Eat();
    pellet.Draw(painter);
    EXPECT_EQ(painter.flakes.size(), 1u);
    EXPECT_FALSE(pellet.IsActive());
    pellet.Place(1.0f, 1.0f, -70.0f);
    pellet.SetActive(true);
    pellet.Draw(painter);
    EXPECT_EQ(painter.flakes.size(), 2u) << "a freed slot takes the next drop";
}

TEST(FoodPelletDrawing, PublishesThePointBelowTheOffsetWithoutTheOrbit) {
    FoodPellet pellet;
    pellet.Place(5.0f, -2.0f, -70.0f);
    pellet.offset = {0.5f, 1.0f, -0.25f};
    pellet.spinX = 10.0f;
    pellet.spinY = 90.0f;
    RecordingPelletPainter painter;
    pellet.Draw(painter);
    ASSERT_EQ(painter.flakes.size(), 1u);
    EXPECT_FLOAT_EQ(painter.flakes[0].offset[1], 0.8f);
    EXPECT_FLOAT_EQ(painter.flakes[0].spinY, 90.0f);
    EXPECT_FLOAT_EQ(pellet.point[0], 5.5f);
    EXPECT_FLOAT_EQ(pellet.point[1], -1.2f);
    EXPECT_FLOAT_EQ(pellet.point[2], -70.25f);
    EXPECT_EQ(painter.anchors[0], (std::array<float, 3>{5.0f, -2.0f, -70.0f}));
    // One frame of motion: tumble, orbit and sink.
    EXPECT_FLOAT_EQ(pellet.spinX, 10.4f);
    EXPECT_FLOAT_EQ(pellet.spinY, 92.0f);
    EXPECT_FLOAT_EQ(pellet.offset[1], 1.0f - pellet.sinkSpeed);
    EXPECT_NEAR(pellet.offset[0], 0.5f, 0.002f);
}

TEST(FoodPelletDrawing, NudgeMovesTheFlakeTowardAMouth) {
    FoodPellet pellet;
    pellet.Place(0.0f, 0.0f, -70.0f);
    const std::array<float, 3> before = pellet.offset;
    pellet.Nudge(0.1f, -0.2f, 0.3f);
    EXPECT_FLOAT_EQ(pellet.offset[0], before[0] + 0.1f);
    EXPECT_FLOAT_EQ(pellet.offset[1], before[1] - 0.2f);
    EXPECT_FLOAT_EQ(pellet.offset[2], before[2] + 0.3f);
}
