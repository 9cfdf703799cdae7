#include <cmath>

#include "core/Angles.h"
#include "core/fish/Fish.h"
#include "core/tank/SchoolLayout.h"
#include "platform/runtime/Random.h"

namespace {
constexpr int kCaughtFramesBeforeRelease = 50;

// Headings that swim toward -x: within 90 degrees of 0 or of +-360, bounds
// included.
bool SwimsLeftward(float heading) {
    return (heading >= 0.0f && heading <= 90.0f) || (heading >= 270.0f && heading <= 360.0f) ||
           (heading >= -90.0f && heading <= 0.0f) || (heading >= -360.0f && heading <= -270.0f);
}

bool SwimsTowardPlusZ(float heading) {
    return (heading >= 0.0f && heading <= 180.0f) || (heading >= -360.0f && heading <= -180.0f);
}
}  // namespace

void Fish::UpdateDirectionFlags() {
    leftward = SwimsLeftward(heading);
    rightward = !leftward;
    towardPlusZ = SwimsTowardPlusZ(heading);
    towardMinusZ = !towardPlusZ;
    up = shownPitch > 0.0f;
    down = shownPitch < 0.0f;
    targetLeftward = SwimsLeftward(targetHeading);
    targetRightward = !targetLeftward;
    targetPlusZ = SwimsTowardPlusZ(targetHeading);
    targetMinusZ = !targetPlusZ;
    targetUp = pitch > 0.0f;
    targetDown = pitch < 0.0f;
}

void Fish::Move() {
    if (heading > 360.0f) {
        heading = 180.0f;
    } else if (heading < -360.0f) {
        heading = -180.0f;
    }
    UpdateDirectionFlags();

    // At a side wall the fish turns on the spot until it nearly faces its new way.
    const bool atSideWall = wallState == kWallXMin || wallState == kWallXMax;
    if (atSideWall && std::fabs(heading - targetHeading) > 15.0f) return;

    const float h = DegreesToRadians(heading);
    const float p = DegreesToRadians(pitch);
    const float stride = speed * speedShare;
    const float alongX = std::fabs(std::cos(h) * stride);
    const float alongZ = std::fabs(std::sin(h) * stride);
    if (leftward && wallState != kWallXMin) position[0] -= alongX;
    if (rightward && wallState != kWallXMax) position[0] += alongX;
    if (towardPlusZ) {
        if (wallState != kWallZMax) position[2] += alongZ;
    } else {
        position[2] -= alongZ;
    }
    position[1] += std::sin(p) * stride;

    CheckBounds();
}

void Fish::CheckBounds() {
    float& x = position[0];
    float& y = position[1];
    float& z = position[2];
    wallState = kWallNone;

    if (x < bounds.xMin + 10.0f || x > bounds.xMax - 10.0f) ChangeSpeed(0.01f, 0.1f);
    if (x < bounds.xMin && targetLeftward) {
        TurnHeading(0.0f, false, kTurnReverse);
        x += 0.1f;
        // Now and then the fish comes back in at the far side instead.
        if (CrtRand() % 5 == 0) x = bounds.xMax;
        wallState = kWallXMin;
    }
    if (x > bounds.xMax && targetRightward) {
        TurnHeading(0.0f, false, kTurnReverse);
        wallState = kWallXMax;
        x -= 0.1f;
    }

    if (z < bounds.zMin + 2.0f) {
        ChangeSpeed(0.1f, 0.1f);
        if (targetMinusZ) {
            TurnHeading(0.0f, false, kTurnVeer);
            z = bounds.zMin + 2.0f;
        }
    }
    if (z > bounds.zMax - 5.0f) ChangeSpeed(0.01f, 0.1f);
    if (z > bounds.zMax && targetPlusZ) {
        TurnHeading(0.0f, true, kTurnVeer);
        wallState = kWallZMax;
    }

    if (y >= bounds.yTop) {
        TurnPitch(0.0f, false, kTurnBounce);
        y = bounds.yTop;
        wallState = kWallYTop;
        ChangeSpeed(0.1f, 0.1f);
    }
    if (y <= bounds.yBottom) {
        TurnPitch(0.0f, true, kTurnBounce);
        y = bounds.yBottom;
        wallState = kWallYBottom;
        ChangeSpeed(0.1f, 0.1f);
    }
}

// A caught fish stays frozen in its net for 51 frames, then comes back in at
// one side of the tank with its heading and speed unchanged.
void Fish::MoveOrHoldCaught() {
    if (!caught) {
        Move();
        return;
    }
    if (++caughtFrames <= kCaughtFramesBeforeRelease) return;
    caught = false;
    caughtFrames = 0;
    position[0] = CrtRand() % 2 == 0 ? -55.0f : 45.0f;
    position[2] = kSchoolLayerZ;
    position[1] = static_cast<float>(CrtRand() % 30 - 15);
}
