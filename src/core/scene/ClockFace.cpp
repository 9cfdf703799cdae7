#include "core/scene/ClockFace.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kStaySeconds = 3 * 60;
constexpr int kGlideSeconds = 30;
constexpr int kPlacesPerDay = 24 * 60 * 60 / kStaySeconds;

// The fractional parts of multiples of the plastic number's inverses spread
// the places evenly over the view, none near the one before it.
// The sequence starts over each midnight, where the day's last glide ends.
std::array<float, 2> PlaceNumber(int n) {
    n %= kPlacesPerDay;
    constexpr double kAcross = 0.7548776662466927;
    constexpr double kUp = 0.5698402909980532;
    const double across = n * kAcross;
    const double up = n * kUp;
    return {static_cast<float>(across - std::floor(across)),
            static_cast<float>(up - std::floor(up))};
}
}  // namespace

ClockLocale ClockLocaleOf(const LocaleTimeWords& words) {
    const std::string& format = words.timeFormat;
    ClockLocale locale;
    locale.twelveHours = format.find("%p") != std::string::npos ||
                         format.find("%r") != std::string::npos ||
                         format.find("%I") != std::string::npos;
    const auto writable = [](const std::string& word) {
        return !word.empty() && word.find_first_not_of("AMPamp.") == std::string::npos;
    };
    if (writable(words.am) && writable(words.pm)) {
        locale.am = words.am;
        locale.pm = words.pm;
    }
    return locale;
}

std::string_view ClockCharacters() {
    return "0123456789: AMPamp.";
}

std::string ClockText(int minuteOfDay, const ClockLocale& locale) {
    const int hour = minuteOfDay / 60 % 24;
    const int minute = minuteOfDay % 60;
    const int shownHour = locale.twelveHours ? (hour + 11) % 12 + 1 : hour;
    std::string text = locale.twelveHours ? std::to_string(shownHour)
                                          : std::string(1, static_cast<char>('0' + hour / 10)) +
                                                static_cast<char>('0' + hour % 10);
    text += ':';
    text += static_cast<char>('0' + minute / 10);
    text += static_cast<char>('0' + minute % 10);
    if (locale.twelveHours) text += ' ' + (hour < 12 ? locale.am : locale.pm);
    return text;
}

std::array<float, 2> ClockPlace(int secondOfDay) {
    const int period = secondOfDay / kStaySeconds;
    const std::array<float, 2> from = PlaceNumber(period);
    const int intoGlide = secondOfDay % kStaySeconds - (kStaySeconds - kGlideSeconds);
    if (intoGlide <= 0) return from;
    const std::array<float, 2> to = PlaceNumber(period + 1);
    const float t = static_cast<float>(intoGlide) / kGlideSeconds;
    const float eased = t * t * (3.0f - 2.0f * t);
    return {from[0] + (to[0] - from[0]) * eased, from[1] + (to[1] - from[1]) * eased};
}

std::array<float, 2> ClockOrigin(std::array<float, 2> place, std::array<float, 2> viewSize,
                                 std::array<float, 2> textSize, float margin) {
    std::array<float, 2> origin{};
    for (int axis = 0; axis < 2; ++axis) {
        const float room = std::max(0.0f, viewSize[axis] - textSize[axis] - 2.0f * margin);
        origin[axis] = margin + std::clamp(place[axis], 0.0f, 1.0f) * room;
    }
    return origin;
}
