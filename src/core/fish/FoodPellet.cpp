#include "core/fish/FoodPellet.h"

#include "core/tank/SchoolLayout.h"
#include "platform/runtime/Random.h"

namespace {
constexpr double kRandMax = 32767.0;
// Below this offset the flake has sunk out of the tank's middle.
constexpr float kSunkOutY = -10.0f;
// The flake hangs this far below its offset point.
constexpr float kFlakeDrop = 0.2f;

// (r1 - r2) * scale / R with two fresh values of the random stream.
double SignedRandom(double scale) {
    const int r1 = CrtRand();
    const int r2 = CrtRand();
    return (r1 - r2) * scale / kRandMax;
}
}  // namespace

FoodPellet::FoodPellet() {
    anchor[0] = static_cast<float>(CrtRand() % 60 - 30);
    anchor[1] = static_cast<float>(CrtRand() % 30 - 15);
    anchor[2] = kSchoolLayerZ;
    active = true;
}

void FoodPellet::Init() {
    offset[0] = static_cast<float>(SignedRandom(1.38));
    offset[1] = 1.0f;
    offset[2] = static_cast<float>(SignedRandom(0.38));
    spinX = static_cast<float>(SignedRandom(180.0));
    const double firstTurn = SignedRandom(180.0);
    spinY = static_cast<float>(firstTurn + SignedRandom(180.0));
    sinkSpeed = static_cast<float>(CrtRand() % 10 * 0.0005 + 0.005);
    alive = 1.0f;
    point = {0.0f, 0.0f, 0.0f};
}

void FoodPellet::Place(float x, float y, float z) {
    anchor = {x, y, z};
    Init();
}

void FoodPellet::Step() {
    shown_ = IsAlive();
    if (shown_) {
        const std::array<float, 3> drawn{offset[0], offset[1] - kFlakeDrop, offset[2]};
        shownFlake_ = {anchor, spinY, drawn, spinX};
        // The published point leaves out the orbit about the anchor.
        point = {anchor[0] + drawn[0], anchor[1] + drawn[1], anchor[2] + drawn[2]};
    } else {
        SetActive(false);
    }
    Advance();
}

void FoodPellet::Nudge(float dx, float dy, float dz) {
    offset[0] += dx;
    offset[1] += dy;
    offset[2] += dz;
}

void FoodPellet::Advance() {
    if (offset[1] <= kSunkOutY) {
        alive = 0.0f;
        return;
    }
    offset[0] = static_cast<float>(offset[0] + SignedRandom(0.002));
    offset[1] -= sinkSpeed;
    offset[2] = static_cast<float>(offset[2] + SignedRandom(0.002));
    spinX = static_cast<float>(spinX + 0.4);
    spinY = static_cast<float>(spinY + 2.0);
}
