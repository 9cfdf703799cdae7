#include <gtest/gtest.h>

#include "core/interaction/FishContactTests.h"
#include "core/tank/CatchMarker.h"
#include "fish/FishFrame.h"

namespace {
std::array<FoodPellet, kFoodPelletCount> OnePelletAt(const std::array<float, 3>& point) {
    std::array<FoodPellet, kFoodPelletCount> pellets;
    for (FoodPellet& pellet : pellets) pellet.SetActive(false);
    pellets[0].SetActive(true);
    pellets[0].alive = 1.0f;
    pellets[0].point = point;
    pellets[0].offset = {0.0f, 1.0f, 0.0f};
    return pellets;
}

class NoPainter : public CatchMarkerPainter {
    void DrawCone(const std::array<float, 3>&, float) override {}
};
}  // namespace

TEST(FoodTest, NearbyFlakesDriftToTheMouthAndOneAtItIsEaten) {
    Fish fish = SwimmingFish(0.0f, 0.0f, 0.0f);
    fish.extent.head = {0.0f, 0.0f, -70.0f};
    // Gap from head to flake; drift in x; eaten.
    const std::tuple<std::array<float, 3>, float, bool> cases[] = {
        {{4.0f, 0.0f, -70.0f}, -0.02f, false},
        {{6.0f, 0.0f, -70.0f}, 0.0f, false},
        {{1.0f, 1.0f, -71.5f}, -0.005f, true},
        {{1.0f, 1.0f, -73.0f}, -0.005f, false},
    };
    for (const auto& [point, drift, eaten] : cases) {
        auto pellets = OnePelletAt(point);
        FoodTest(fish, pellets);
        EXPECT_NEAR(pellets[0].offset[0], drift, 1e-6f) << point[0] << " " << point[2];
        EXPECT_EQ(!pellets[0].IsAlive(), eaten) << point[0] << " " << point[2];
    }
}

TEST(CatchTest, CatchesAFishWithinThreeOfTheNetOnceUntilItsSlotIsCleared) {
    CatchMarker marker;
    NoPainter painter;
    marker.Reset(0.0f, 0.0f, -70.0f, painter);
    Fish far = SwimmingFish(3.0f, 0.0f, 0.0f);
    CatchTest(7, far, marker);
    EXPECT_FALSE(far.caught);
    EXPECT_FALSE(marker.slots[7].caught);

    Fish near = SwimmingFish(2.5f, -2.5f, 0.0f);
    CatchTest(7, near, marker);
    EXPECT_TRUE(near.caught);
    EXPECT_TRUE(marker.slots[7].caught);
    EXPECT_EQ(marker.slots[7].position, near.position);

    // A flagged slot is not caught again.
    Fish other = SwimmingFish(1.0f, 1.0f, 0.0f);
    CatchTest(7, other, marker);
    EXPECT_FALSE(other.caught);
}
