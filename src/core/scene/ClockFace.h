#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/posix/LocalTime.h"

// The clock drawn in the tank: the local time, moving now and then so that
// no pixel holds the same picture for long.
struct ClockFace {
    std::string text;  // empty: no clock
    // Where it stands in the room the text leaves free, 0..1 across from the
    // left and up from the bottom.
    std::array<float, 2> place{};
};

// How the user's locale writes the time, as its time format (`%p`, `%r` or
// `%I`: twelve hours) and its morning and afternoon words.
struct ClockLocale {
    bool twelveHours = false;
    std::string am = "AM";
    std::string pm = "PM";
};

// Twelve hours where the format has `%p`, `%r` or `%I`; words the tank's
// letters cannot write read as "AM" and "PM".
ClockLocale ClockLocaleOf(const LocaleTimeWords& words);

// Every character a clock's text may hold.
std::string_view ClockCharacters();

// "07:05" or "7:05 AM" at `minuteOfDay` (0..1439).
std::string ClockText(int minuteOfDay, const ClockLocale& locale);

// The place at `secondOfDay`: a new one every few minutes from a fixed
// sequence, glided to over the last half-minute before it.
std::array<float, 2> ClockPlace(int secondOfDay);

// The lower-left corner, in pixels, of text `textSize` big placed at `place`
// in a view `viewSize` big, a margin of `margin` pixels inside its edges
// (where the view is too small, at the left and bottom margins).
std::array<float, 2> ClockOrigin(std::array<float, 2> place, std::array<float, 2> viewSize,
                                 std::array<float, 2> textSize, float margin);
