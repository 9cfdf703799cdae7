#include "core/fish/FishSchool.h"

#include <algorithm>

#include "platform/runtime/Random.h"

SpeciesRanges SpeciesRangesFor(const std::array<int, kSpeciesCount>& counts) {
    SpeciesRanges ranges;
    int next = 0;
    for (int s = 0; s < kSpeciesCount; ++s) {
        ranges.start[s] = next;
        next += std::clamp(counts[s], 0, kSchoolSlots);
        ranges.end[s] = next;
    }
    ranges.total = next;
    return ranges;
}

int SpeciesOfSlot(const SpeciesRanges& ranges, int slot) {
    for (int s = 0; s < kSpeciesCount; ++s) {
        if (ranges.start[s] <= slot && slot < ranges.end[s]) return s;
    }
    return -1;
}

float CaughtSphereRadius(float size) {
    if (size == 2.0f) return 1.0f;
    if (size == 4.0f) return 2.0f;
    return 0.0f;
}

void PlaceFish(Fish& fish, const TankBounds& tank) {
    const int x = CrtRand() % 100 - 50;
    const int y = CrtRand() % 30 - 15;
    fish.position = {static_cast<float>(x), static_cast<float>(y), kSchoolLayerZ};
    fish.SetBounds(-50.0f, 50.0f, tank.yMax - 20.0f, tank.yMin + 6.0f, kSchoolLayerZ,
                   kSchoolLayerZ);
}
