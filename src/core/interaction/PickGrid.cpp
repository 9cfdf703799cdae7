#include "core/interaction/PickGrid.h"

#include <algorithm>
#include <cmath>

#include "core/tank/SchoolLayout.h"
#include "core/tank/TankBounds.h"

namespace {
constexpr int kMinXStrips = 101;
constexpr int kYStrips = 51;
constexpr double kXSpacing = 0.990099;
constexpr double kStep = 0.1;
}  // namespace

PickGrid BuildPickGridX(const TankBounds& tank) {
    const int reach = static_cast<int>(std::ceil((tank.xMax - tank.xMin) / kXSpacing)) + 1;
    PickGrid grid;
    for (int k = 0; k < std::max(kMinXStrips, reach); ++k) {
        grid.points.push_back({static_cast<float>(tank.xMin + k * kXSpacing), 0.0f, kSchoolLayerZ});
    }
    return grid;
}

PickGrid BuildPickGridY(const TankBounds& tank) {
    const double spacing = 0.02 * std::trunc(tank.yMax - tank.yMin);
    PickGrid grid;
    grid.towardPlus = true;
    for (int k = 0; k < kYStrips; ++k) {
        grid.points.push_back({0.0f, static_cast<float>(tank.yMin + k * spacing), kSchoolLayerZ});
    }
    return grid;
}

void MovePickGrid(PickGrid& grid, int axis, float low) {
    for (std::array<float, 3>& point : grid.points) {
        // The first strip has already moved when the later ones look at it.
        const float first = grid.points.front()[axis];
        if (low - 1.0 > first) grid.towardPlus = true;
        if (low + 1.0 < first) {
            grid.towardPlus = false;
            point[axis] = static_cast<float>(point[axis] - kStep);
        } else {
            point[axis] = static_cast<float>(point[axis] + (grid.towardPlus ? kStep : -kStep));
        }
    }
}
