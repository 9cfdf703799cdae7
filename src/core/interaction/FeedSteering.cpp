#include "core/interaction/FeedSteering.h"

#include <cmath>

#include "core/fish/Fish.h"

namespace {
constexpr float kNearlyZero = 0.0001f;
constexpr float kSteep = 10000.0f;  // the slope taken for a near-vertical line

// The slope dz/dx, or a steep stand-in when dx is nearly zero.
float Slope(float dz, float dx) {
    return std::fabs(dx) < kNearlyZero ? dz * kSteep : dz / dx;
}
}  // namespace

float PelletBearing(const std::array<float, 3>& q) {
    const float x = q[0];
    const float y = q[1];
    if (x == 0.0f && y == 0.0f) return 0.0f;
    if (std::fabs(x) < kNearlyZero) return y < 0.0f ? 270.0f : 90.0f;
    if (std::fabs(y) < kNearlyZero) return x > 0.0f ? 0.0f : 180.0f;
    const double theta = std::trunc(std::atan(std::fabs(y / x)) * 57.29578226691561);
    return static_cast<float>(x > 0.0f && y > 0.0f ? theta : 90.0 - theta);
}

float HeadingOffset(const Fish& fish, const std::array<float, 3>& q) {
    const std::array<float, 3>& p = fish.position;
    const std::array<float, 3>& h = fish.extent.head;
    const float m1 = Slope(h[2] - p[2], h[0] - p[0]);
    const float m2 = Slope(p[2] - q[2], p[0] - q[0]);
    const float d = 1.0f + m1 * m2;
    const float s =
        std::fabs(d) < kNearlyZero ? std::fabs((m2 - m1) * kSteep) : std::fabs((m2 - m1) / d);
    return static_cast<float>(std::atan(s) * 180.0 * 0.3183099014828645);
}

void FeedSteer(Fish& fish, const std::array<FoodPellet, kFoodPelletCount>& pellets) {
    fish.SetFeeding(false);
    for (const FoodPellet& pellet : pellets) {
        if (!pellet.IsActive()) continue;
        const std::array<float, 3>& h = fish.extent.head;
        const std::array<float, 3>& q = pellet.point;
        const float dx = std::fabs(h[0] - q[0]);
        const float dy = std::fabs(h[1] - q[1]);
        if (dx < 10.0f && dy < 10.0f) {
            fish.SetFeeding(true);
            fish.ChangeSpeed(0.1f, 0.2f);
            const float bearing = PelletBearing(q);
            const float offset = HeadingOffset(fish, q);
            if (offset < 1.0f) {
                fish.TurnPitch(bearing, h[1] <= q[1], kTurnSteer);
            } else {
                if ((fish.leftward && h[0] > q[0]) || (fish.rightward && h[0] < q[0])) {
                    fish.TurnHeading(offset, h[2] > q[2], kTurnSteer);
                }
                if ((fish.leftward && h[0] < q[0]) || (fish.rightward && h[0] > q[0])) {
                    fish.TurnHeading(180.0f - offset, true, kTurnSteer);
                }
            }
        }
        if (dx < 3.0f && dy < 3.0f) fish.ChangeSpeed(0.1f, 0.1f);
    }
}
