#include "core/tank/CatchMarker.h"

#include <cmath>

namespace {
constexpr double kSpinStep = 0.1;
constexpr float kFullTurn = 360.0f;
}  // namespace

void CatchMarker::Reset(float x, float y, float z, CatchMarkerPainter& painter) {
    start = target = current = {x, y, z};
    Draw(painter);
}

void CatchMarker::Draw(CatchMarkerPainter& painter) {
    spin = static_cast<float>(spin + kSpinStep);
    if (spin > kFullTurn) spin = 0.0f;
    painter.DrawCone(current, spin);
}

void CatchMarker::Step(CatchMarkerPainter& painter) {
    Draw(painter);
    for (int axis = 0; axis < 3; ++axis) {
        if (std::fabs(current[axis] - target[axis]) <= kStepLength) continue;
        current[axis] += current[axis] > target[axis] ? -kStepLength : kStepLength;
    }
}
