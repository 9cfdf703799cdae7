#include <algorithm>
#include <cmath>

#include "core/fish/FishAnimation.h"

namespace {
constexpr int kStations = 19;
constexpr float kNewTurnThreshold = 0.01f;
constexpr int kFramesPerStep = 3;
constexpr int kStraightenStep = 2;
constexpr int kFeedingStraightenStep = 10;

bool AtSideWall(const Fish& fish) {
    return fish.wallState == kWallXMin || fish.wallState == kWallXMax;
}

// Degrees per step. Small targets turn finely; the size of the target, not of
// the remaining turn, decides. At a side wall one step covers the whole turn.
float HeadingStep(const Fish& fish) {
    const float target = fish.targetHeading;
    if (AtSideWall(fish)) return target;
    if (fish.feeding) return 10.0f;
    if (std::fabs(target) < 5.0f) return 1.0f;
    if (std::fabs(target) < 10.0f) return 3.0f;
    return 10.0f;
}

void StepHeading(Fish& fish, float step) {
    const float target = fish.targetHeading;
    if (fish.heading < target) {
        fish.heading += step;
        if (fish.heading > target) fish.heading = target;
    } else {
        fish.heading -= step;
        if (fish.heading < target) fish.heading = target;
    }
    if (std::fabs(std::trunc(fish.heading - target)) < 0.0001f) fish.turnDone = true;
}

// The head has the heading; each station behind it lags by an equal share of
// the turn still to go.
void BendIntoTurn(Fish& fish, std::array<float, 19>& yaw) {
    const float target = fish.targetHeading;
    const float lag = std::fabs(fish.heading - fish.turnFrom) / (kStations - 1);
    for (int i = 0; i < kStations; ++i) {
        const float offset = static_cast<float>(i) * lag;
        float value = fish.heading;
        if (fish.heading < target) value = fish.heading - offset;
        if (fish.heading > target) value = fish.heading + offset;
        yaw[i] = value;
        fish.segmentYaw[i] = static_cast<int>(value);
    }
    if (AtSideWall(fish)) {
        yaw.fill(target);
        fish.segmentYaw.fill(static_cast<int>(target));
        fish.heading = target;
    }
}

// Moves every station a few whole degrees toward the target without passing it.
void Straighten(Fish& fish) {
    const int target = static_cast<int>(fish.targetHeading);
    const int step = fish.feeding ? kFeedingStraightenStep : kStraightenStep;
    bool moved = false;
    for (int& station : fish.segmentYaw) {
        const int before = station;
        if (station < target) station = std::min(station + step, target);
        if (station > target) station = std::max(station - step, target);
        moved = moved || station != before;
    }
    if (!moved) fish.bendDone = true;
}
}  // namespace

void StepBodyYaw(Fish& fish, std::array<float, 19>& yaw) {
    if (std::fabs(fish.turnFrom - fish.targetHeading) > kNewTurnThreshold) {
        fish.turnDone = false;
        fish.bendDone = false;
        fish.turnFrom = fish.targetHeading;
    }

    const float step = HeadingStep(fish);
    const bool stepThisFrame = fish.turnTick >= kFramesPerStep - 1;
    fish.turnTick = stepThisFrame ? 0 : fish.turnTick + 1;
    if (stepThisFrame && !fish.turnDone) StepHeading(fish, step);

    if (!fish.turnDone) {
        BendIntoTurn(fish, yaw);
        return;
    }
    if (!fish.bendDone) Straighten(fish);
    for (int i = 0; i < kStations; ++i) yaw[i] = static_cast<float>(fish.segmentYaw[i]);
}
