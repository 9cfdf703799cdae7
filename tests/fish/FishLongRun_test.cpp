#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "core/fish/FishSchool.h"
#include "core/tank/TankBounds.h"
#include "fish/FishFrame.h"
#include "platform/posix/Random.h"

namespace {
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

// What is wrong with the fish, or nullptr.
const char* Fault(const Fish& fish, const FishBounds& box) {
    const float* p = fish.position.data();
    const FishExtent& e = fish.extent;
    if (!Within(p[0], box.xMin - kMarginX, box.xMax + kMarginX)) return "x out of the box";
    if (!Within(p[1], std::fmin(box.yBottom, -15.0f), box.yTop)) return "y out of the box";
    if (!Within(p[2], box.zMin - kMarginZ, box.zMax + kMarginZ)) return "z out of the layer";
    if (!Within(fish.speed, 0.1f, 0.3f)) return "speed out of [0.1, 0.3]";
    if (!Within(fish.pitch, -45.0f, 45.0f) || !Within(fish.shownPitch, -45.0f, 45.0f))
        return "pitch out of [-45, 45]";
    if (!Within(fish.targetHeading, -360.0f, 360.0f) || !Within(fish.heading, -720.0f, 720.0f))
        return "heading out of range";
    if (!std::isfinite(e.xMin + e.yMax + e.zMin + e.head[0] + e.head[1] + e.head[2]))
        return "extent not a number";
    return nullptr;
}
}  // namespace

// Every fish of a full school, placed at random in its box, swimming, being
// touched now and then and caught now and then, for 100,000 frames.
TEST(FishLongRun, SchoolStaysInItsBoxWithSaneSpeedAndPitch) {
    ResetCrtRand();
    const TankBounds tank = TankBoundsForScreen(1920, 1080);
    std::array<Fish, kSchoolSlots> school;
    for (Fish& fish : school) PlaceFish(fish, tank);
    const FishBounds box = school[0].bounds;
    EXPECT_EQ(box.xMin, -50.0f);
    EXPECT_EQ(box.xMax, 50.0f);
    EXPECT_EQ(box.zMin, -70.0f);
    EXPECT_EQ(box.zMax, -70.0f);
    for (const Fish& fish : school) ASSERT_EQ(Fault(fish, box), nullptr);

    std::string first;
    int released = 0;
    for (int frame = 0; frame < 100000 && first.empty(); ++frame) {
        for (int slot = 0; slot < kSchoolSlots; ++slot) {
            Fish& fish = school[slot];
            if ((frame + 13 * slot) % 1999 == 0) fish.caught = true;
            if ((frame + 7 * slot) % 997 == 0) {
                fish.TurnHeading(0.0f, true, kTurnQuarter);
                fish.ChangeSpeed(0.4f, 0.3f);
            }
            const bool wasCaught = fish.caught;
            StepFish(fish);
            if (wasCaught && !fish.caught) ++released;
            const char* fault = Fault(fish, box);
            if (fault != nullptr && first.empty()) {
                first = "frame " + std::to_string(frame) + " slot " + std::to_string(slot) + ": " +
                        fault;
            }
        }
    }
    EXPECT_EQ(first, "");
    EXPECT_GT(released, 1000);
    ResetCrtRand();
}
