#include <algorithm>
#include <cmath>

#include "core/fish/Fish.h"
#include "platform/runtime/Random.h"

namespace {
constexpr float kMinSpeed = 0.1f;
constexpr float kMaxSpeed = 0.3f;
constexpr float kMaxPitch = 45.0f;
constexpr float kSteerPitchLimit = 90.0f;
constexpr float kMaxTargetHeading = 360.0f;
constexpr int kIdleFramesBeforeWhim = 200;
}  // namespace

void Fish::ChangeSpeed(float step, float target) {
    if (speed < target) {
        speed += step;
    } else if (speed > target) {
        speed -= step;
    }
    speed = std::clamp(speed, kMinSpeed, kMaxSpeed);
}

void Fish::TurnHeading(float amount, bool flip, int mode) {
    if (std::fabs(heading - targetHeading) > 0.1f) return;
    // Veer and steer turn a leftward fish one way and a rightward one the
    // other; flip swaps the two.
    const float sign = leftward != flip ? 1.0f : -1.0f;
    switch (mode) {
        case kTurnWhim: {
            CrtRand();
            const auto d = static_cast<float>(CrtRand() % 170);
            targetHeading += targetHeading <= 180.0f ? d : -d;
            break;
        }
        case kTurnReverse:
            targetHeading += targetHeading <= 180.0f ? 180.0f : -180.0f;
            break;
        case kTurnVeer:
            targetHeading += sign * static_cast<float>(CrtRand() % 180);
            break;
        case kTurnQuarter:
            if (!InDeepBand()) break;
            if ((targetHeading > 0.0f && targetHeading <= 180.0f) || targetHeading < -180.0f) {
                targetHeading += 90.0f;
            } else {
                targetHeading -= 90.0f;
            }
            break;
        case kTurnSteer:
            // A steering angle that is not a number would poison the target for good.
            if (!std::isfinite(amount)) return;
            targetHeading += sign * std::trunc(std::fabs(amount));
            break;
        default:
            break;
    }
    targetHeading = std::clamp(targetHeading, -kMaxTargetHeading, kMaxTargetHeading);
}

void Fish::TurnPitch(float amount, bool climb, int mode) {
    switch (mode) {
        case kTurnWhim: {
            const auto d = static_cast<float>(CrtRand() % 15 + 15);
            pitch += pitch <= 0.0f ? d : -d;
            break;
        }
        case kTurnBounce:
            pitch = -pitch;
            break;
        case kTurnSteer:
            if (!std::isfinite(amount) || pitch + amount > kSteerPitchLimit ||
                pitch - amount < -kSteerPitchLimit) {
                return;
            }
            pitch += climb ? amount : -amount;
            break;
        default:
            return;
    }
    pitch = std::clamp(pitch, -kMaxPitch, kMaxPitch);
}

bool Fish::InDeepBand() const {
    const float z = position[2];
    return (z > -75.0f && z < -60.0f) || (z > -90.0f && z < -75.0f);
}

void Fish::RandomWhim() {
    if (feeding) return;
    if (idleTimer++ <= kIdleFramesBeforeWhim) return;
    idleTimer = CrtRand() % 100;
    const int r = CrtRand() % 4;
    ChangeSpeed(0.05f, static_cast<float>(r + 1) * 0.1f);
    if (std::fabs(heading - targetHeading) < 0.01f) {
        if (InDeepBand()) TurnHeading(0.0f, false, kTurnWhim);
        TurnPitch(0.0f, false, kTurnWhim);
    }
}
