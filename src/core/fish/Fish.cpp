#include "core/fish/Fish.h"

#include <algorithm>

#include "core/fish/FishAnimation.h"
#include "platform/runtime/Random.h"

namespace {
constexpr float kLargeSize = 4.0f;
constexpr float kSmallSize = 2.0f;
constexpr float kMinSize = 1.0f;
constexpr float kMaxSize = 4.0f;

// Offsets that put the box limits of a fish at rest where the mesh ends.
constexpr float kRestHalfLength = 0.321915f;
constexpr float kRestHalfHeight = 0.0907566f;
constexpr float kRestHalfDepth = 0.5f;
}  // namespace

// The initialiser list follows the field order, and with it the order of the
// random draws.
Fish::Fish()
    : size(CrtRand() % 10 == 0 ? kLargeSize : kSmallSize),
      pitch(static_cast<float>(CrtRand() % 45)),
      targetHeading(CrtRand() % 2 == 0 ? 0.0f : 180.0f),
      bodyOscillator(kBodyWaveOscillator),
      dorsalOscillator(kDorsalWaveOscillator),
      pectoralOscillator(kPectoralWaveOscillator),
      pelvicOscillator(kPelvicWaveOscillator),
      analOscillator(kAnalWaveOscillator),
      tailOscillator(kTailWaveOscillator),
      mouthTimer(CrtRand() % 15),
      idleTimer(CrtRand() % 200) {}

void Fish::SetBounds(float xMin, float xMax, float top, float bottom, float zMin, float zMax) {
    bounds = {xMin, xMax, top + 10.0f, bottom + 5.0f, zMin, zMax};
    wallState = kWallNone;

    extent.length = 0.64383f;
    extent.depth = 1.0f;
    extent.height = 0.181513f;
    extent.xMax = extent.grownXMax = kRestHalfLength;
    extent.xMin = extent.grownXMin = -kRestHalfLength;
    extent.yMax = extent.grownYMax = kRestHalfHeight;
    extent.yMin = extent.grownYMin = -kRestHalfHeight;
    extent.zMax = extent.grownZMax = kRestHalfDepth;
    extent.zMin = extent.grownZMin = -kRestHalfDepth;
    extent.head = {0.321915f, -0.000149923f, 0.153061f};
    extent.tail = {-0.321915f, 0.0f, 0.0558026f};
}

void Fish::ChangeSize(float amount, bool grow) {
    size += grow ? amount : -amount;
    size = std::clamp(size, kMinSize, kMaxSize);
}

void Fish::AdvanceShownPitch() {
    if (shownPitch < pitch) shownPitch += 1.0f;
    if (shownPitch > pitch) shownPitch -= 1.0f;
}
