#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "fish/FishFrame.h"
#include "fish/FishSchool.h"
#include "platform/Random.h"
#include "render/TankBounds.h"

namespace {
// How far outside its box the design lets a fish go. y is clamped at every
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

struct Violation {
    int frame = -1;
    int slot = -1;
    const char* what = "";
};
}  // namespace

// Every fish of a full school, swimming, being touched now and then and caught
// now and then, for 100,000 frames.
TEST(FishLongRun, SchoolStaysInItsBoxWithSaneSpeedAndPitch) {
    ResetCrtRand();
    const TankBounds tank = TankBoundsForScreen(1920, 1080);
    std::array<Fish, kSchoolSlots> school;
    for (Fish& fish : school) PlaceFish(fish, tank);
    const FishBounds box = school[0].bounds;
    const float xLow = box.xMin - kMarginX;
    const float xHigh = box.xMax + kMarginX;
    const float yLow = std::fmin(box.yBottom, -15.0f);
    const float yHigh = box.yTop;
    const float zLow = box.zMin - kMarginZ;
    const float zHigh = box.zMax + kMarginZ;

    Violation first;
    int released = 0;
    for (int frame = 0; frame < 100000 && first.frame < 0; ++frame) {
        Fish* fishes = school.data();
        for (int slot = 0; slot < kSchoolSlots; ++slot) {
            Fish& fish = fishes[slot];
            if ((frame + 13 * slot) % 1999 == 0) fish.caught = true;
            if ((frame + 7 * slot) % 997 == 0) {
                fish.TurnHeading(0.0f, true, kTurnQuarter);
                fish.ChangeSpeed(0.4f, 0.3f);
            }
            const bool wasCaught = fish.caught;
            StepFish(fish);
            if (wasCaught && !fish.caught) ++released;

            const float* position = fish.position.data();
            const FishExtent& extent = fish.extent;
            const char* what = nullptr;
            if (!Within(position[0], xLow, xHigh)) {
                what = "x out of the box";
            } else if (!Within(position[1], yLow, yHigh)) {
                what = "y out of the box";
            } else if (!Within(position[2], zLow, zHigh)) {
                what = "z out of the layer";
            } else if (!Within(fish.speed, 0.1f, 0.3f)) {
                what = "speed out of [0.1, 0.3]";
            } else if (!Within(fish.pitch, -45.0f, 45.0f) ||
                       !Within(fish.shownPitch, -45.0f, 45.0f)) {
                what = "pitch out of [-45, 45]";
            } else if (!Within(fish.targetHeading, -360.0f, 360.0f) ||
                       !Within(fish.heading, -720.0f, 720.0f)) {
                what = "heading out of range";
            } else if (!std::isfinite(extent.xMin + extent.yMax + extent.zMin + extent.head[0] +
                                      extent.head[1] + extent.head[2])) {
                what = "extent not a number";
            }
            if (what != nullptr && first.frame < 0) first = {frame, slot, what};
        }
    }
    EXPECT_EQ(first.frame, -1) << "slot " << first.slot << ": " << first.what;
    EXPECT_GT(released, 1000);
    ResetCrtRand();
}
