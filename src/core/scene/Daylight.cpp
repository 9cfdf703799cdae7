#include "core/scene/Daylight.h"

#include <cmath>

namespace {
constexpr double kDawnStart = 6 * 60;
constexpr double kDuskStart = 18 * 60;
constexpr double kPassageMinutes = 2 * 60;

// The night's light: dim and blue. The scene's ambient light (0.2) and the
// diffuse light on top of this make it some half as bright as the day's.
constexpr Daylight kNight{0.22f, {0.5f, 0.68f, 1.0f}, 0.4f, 0.5f};
// Half-way through dawn and dusk the light is this much warmer.
constexpr std::array<float, 3> kWarmth{1.0f, 0.82f, 0.62f};

float Mix(float night, float day, float share) {
    return night + (day - night) * share;
}

// 0 at night, 1 by day, eased in and out over each passage.
float DayShare(double minute) {
    double into = 0.0;
    if (minute >= kDawnStart && minute < kDawnStart + kPassageMinutes) {
        into = (minute - kDawnStart) / kPassageMinutes;
    } else if (minute >= kDuskStart && minute < kDuskStart + kPassageMinutes) {
        into = 1.0 - (minute - kDuskStart) / kPassageMinutes;
    } else {
        return minute >= kDawnStart && minute < kDuskStart ? 1.0f : 0.0f;
    }
    return static_cast<float>(into * into * (3.0 - 2.0 * into));
}
}  // namespace

Daylight DaylightAt(double minuteOfDay) {
    const double minute = minuteOfDay - kMinutesPerDay * std::floor(minuteOfDay / kMinutesPerDay);
    const float day = DayShare(minute);
    if (day >= 1.0f) return Daylight{};
    if (day <= 0.0f) return kNight;
    const float warm = 4.0f * day * (1.0f - day);
    Daylight light;
    light.level = Mix(kNight.level, 1.0f, day);
    for (int c = 0; c < 3; ++c) {
        light.tint[c] = Mix(kNight.tint[c], 1.0f, day) * Mix(1.0f, kWarmth[c], warm);
    }
    light.bubbleShare = Mix(kNight.bubbleShare, 1.0f, day);
    light.fishSpeedShare = Mix(kNight.fishSpeedShare, 1.0f, day);
    return light;
}
