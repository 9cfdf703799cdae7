#include "core/tank/BubbleEmitter.h"

#include <algorithm>
#include <new>

#include "platform/runtime/Random.h"

namespace {
// The single-precision value of 1/1200: the upward pull on every bubble.
constexpr float kLift = 0.000833333f;
constexpr float kStartLife = 200.0f;
// A bubble leaves the column below this height or at this height and above.
constexpr float kColumnBottom = -25.0f;
constexpr float kColumnTop = 130.0f;

float ColumnX() {
    return static_cast<float>(CrtRand() % 200 - 100);
}

float StartHeight() {
    return static_cast<float>(CrtRand() % 9 * 0.005 - 1.0);
}

float DriftX() {
    const int r1 = CrtRand();
    const int r2 = CrtRand();
    return static_cast<float>((r1 % 9000 - r2 % 9000) * 0.000007);
}

float Fade() {
    return static_cast<float>(CrtRand() % 50 * 0.05);
}

// Every bubble once drew a colour of its own; the bubbles are white, but the
// three draws keep their place in the tank's random stream.
void SkipColourDraws() {
    for (int i = 0; i < 3; ++i) CrtRand();
}

void ResetLift(Bubble& bubble) {
    bubble.acceleration[0] = 0.0f;
    bubble.acceleration[1] = kLift;
    bubble.acceleration[2] = 0.0f;
    bubble.life = kStartLife;
}
}  // namespace

bool BubbleEmitter::Init(int n) {
    particles.reset(n >= 0 ? new (std::nothrow) Bubble[n]() : nullptr);
    poolSize_ = particles ? n : 0;
    count = poolSize_;
    if (!particles) return false;
    shown_.reserve(poolSize_);
    for (int i = 0; i < PoolSize(); ++i) {
        Bubble& bubble = particles[i];
        bubble.position[0] = ColumnX();
        bubble.position[1] = StartHeight();
        bubble.position[2] = static_cast<float>(CrtRand() % 6 * 0.005);
        bubble.velocity[0] = DriftX();
        bubble.velocity[1] = static_cast<float>(CrtRand() % 9000 * 0.000042 * 0.33333334);
        bubble.velocity[2] = static_cast<float>(CrtRand() % 9000 * 0.000001);
        ResetLift(bubble);
        bubble.halfSize = static_cast<float>((CrtRand() % 20 + 2) * 0.1);
        bubble.fade = Fade();
        SkipColourDraws();
    }
    return true;
}

void BubbleEmitter::Step(int n) {
    // A hand-edited bubble setting may ask for more than the pool holds.
    count = std::clamp(n, 0, PoolSize());
    shown_.clear();
    for (int i = 0; i < count; ++i) {
        const Bubble& bubble = particles[i];
        const float jitterX = static_cast<float>(CrtRand() % 20 * 0.01);
        const float jitterZ = static_cast<float>(CrtRand() % 20 * 0.01);
        shown_.push_back({bubble.position[0] + jitterX, bubble.position[1],
                          bubble.position[2] + jitterZ, bubble.halfSize});
    }
    Advance();
}

void BubbleEmitter::Advance() {
    for (int i = 0; i < count; ++i) {
        Bubble& bubble = particles[i];
        for (int axis = 0; axis < 3; ++axis) bubble.position[axis] += bubble.velocity[axis];
        bubble.velocity[1] += bubble.acceleration[1];
        bubble.life -= bubble.fade;
        if (bubble.position[1] <= kColumnBottom || bubble.position[1] >= kColumnTop ||
            bubble.life <= 0.0f) {
            Rebirth(bubble);
        }
    }
}

// A reborn bubble keeps its size; it rises three times faster than at Init
// and its z drift comes from a whole random value.
void BubbleEmitter::Rebirth(Bubble& bubble) {
    bubble.position[0] = ColumnX();
    bubble.position[1] = StartHeight();
    bubble.position[2] = static_cast<float>(CrtRand() % 9000 * 0.000001);
    bubble.velocity[0] = DriftX();
    bubble.velocity[1] = static_cast<float>(CrtRand() % 9000 * 0.000042);
    bubble.velocity[2] = static_cast<float>(CrtRand() * 0.000001);
    ResetLift(bubble);
    bubble.fade = Fade();
    SkipColourDraws();
}
