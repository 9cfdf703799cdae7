#pragma once

#include <array>

// The light of a tank that lives with the day, as a function of the local
// time: the design's own light through the day, a dim blue light at night,
// and dawn (06:00 to 08:00) and dusk (18:00 to 20:00) as smooth passages
// between them, warmest half-way.
struct Daylight {
    float level = 1.0f;                           // times the settings' light level
    std::array<float, 3> tint{1.0f, 1.0f, 1.0f};  // times the light's red, green and blue
    float bubbleShare = 1.0f;                     // of the bubbles the settings ask for
    float fishSpeedShare = 1.0f;                  // of each fish's own speed
};

inline constexpr int kMinutesPerDay = 24 * 60;

// The light at `minuteOfDay` (fractions welcome; any value wraps round to
// 0..1440): exactly the default between dawn and dusk.
Daylight DaylightAt(double minuteOfDay);
