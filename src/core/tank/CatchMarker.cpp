#include "core/tank/CatchMarker.h"

#include <cmath>

namespace {
constexpr double kSpinStep = 0.1;
constexpr float kFullTurn = 360.0f;
}  // namespace

void CatchMarker::Reset(float x, float y, float z) {
    target = current = {x, y, z};
    Turn();
}

void CatchMarker::Turn() {
    spin = static_cast<float>(spin + kSpinStep);
    if (spin > kFullTurn) spin = 0.0f;
}

void CatchMarker::Advance() {
    for (NetPose& pose : shown_) {
        Turn();
        pose = {current, spin};
    }
    for (int axis = 0; axis < 3; ++axis) {
        if (std::fabs(current[axis] - target[axis]) <= kStepLength) continue;
        current[axis] += current[axis] > target[axis] ? -kStepLength : kStepLength;
    }
}
