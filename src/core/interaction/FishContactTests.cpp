#include "core/interaction/FishContactTests.h"

#include <cmath>

#include "core/fish/Fish.h"
#include "core/tank/CatchMarker.h"

void FoodTest(const Fish& fish, std::array<FoodPellet, kFoodPelletCount>& pellets) {
    for (FoodPellet& pellet : pellets) {
        if (!pellet.IsActive()) continue;
        std::array<float, 3> gap{};
        for (int axis = 0; axis < 3; ++axis)
            gap[axis] = fish.extent.head[axis] - pellet.point[axis];
        if (std::fabs(gap[0]) < 5.0f && std::fabs(gap[1]) < 5.0f && std::fabs(gap[2]) < 15.0f) {
            pellet.Nudge(gap[0] * 0.005f, gap[1] * 0.005f, 0.0f);
        }
        if (std::fabs(gap[0]) < 1.5f && std::fabs(gap[1]) < 1.5f && std::fabs(gap[2]) < 2.0f &&
            pellet.alive > 0.0f) {
            pellet.Eat();
        }
    }
}

void CatchTest(int slot, Fish& fish, CatchMarker& marker) {
    if (slot < 0 || slot >= CatchMarker::kSlotCount) return;
    CatchSlot& catchSlot = marker.slots[slot];
    if (catchSlot.caught) return;
    for (int axis = 0; axis < 3; ++axis) {
        if (std::fabs(fish.position[axis] - marker.current[axis]) >= 3.0f) return;
    }
    catchSlot.caught = true;
    catchSlot.position = fish.position;
    fish.caught = true;
}
