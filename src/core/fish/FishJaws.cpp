#include "core/fish/FishAnimation.h"
#include "platform/runtime/Random.h"

namespace {
// How far each lip station opens, in jaw steps; the stations behind the lip stay.
constexpr float kLowerLipSteps[2] = {8.0f, 7.0f};
constexpr float kUpperLipSteps[2] = {11.0f, 10.0f};
constexpr int kMouthTimerLimit = 100;
constexpr int kMouthTimerSpread = 50;
}  // namespace

void OpenJaws(Fish& fish, std::array<float, 8>& lowerJaw, std::array<float, 11>& upperJaw) {
    lowerJaw.fill(0.0f);
    upperJaw.fill(0.0f);
    if (!fish.mouthClosed) {
        for (int j = 0; j < 2; ++j) {
            lowerJaw[j] = fish.lowerJawStep * fish.size * kLowerLipSteps[j];
            upperJaw[j] = fish.upperJawStep * fish.size * kUpperLipSteps[j];
        }
    }

    // A feeding fish keeps its mouth open; the timer flips it for one frame.
    fish.mouthClosed = !fish.feeding;
    const bool toggle = fish.mouthTimer > kMouthTimerLimit;
    fish.mouthTimer += 1;
    if (toggle) {
        fish.mouthClosed = !fish.mouthClosed;
        fish.mouthTimer = CrtRand() % kMouthTimerSpread;
    }
}
