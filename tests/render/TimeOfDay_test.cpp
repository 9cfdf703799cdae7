#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/scene/ClockFace.h"
#include "core/scene/Daylight.h"

namespace {
float LargestChange(const Daylight& a, const Daylight& b) {
    float change = std::max({std::fabs(a.level - b.level), std::fabs(a.bubbleShare - b.bubbleShare),
                             std::fabs(a.fishSpeedShare - b.fishSpeedShare)});
    for (int c = 0; c < 3; ++c) change = std::max(change, std::fabs(a.tint[c] - b.tint[c]));
    return change;
}

float Brightness(const Daylight& light) {
    return light.level * (light.tint[0] + light.tint[1] + light.tint[2]) / 3.0f;
}
}  // namespace

TEST(Daylight, TheDaysOwnLightByDayADimBlueNightAndNoStepBetweenMinutes) {
    const Daylight day;
    for (double minute : {8.0 * 60, 12.0 * 60, 17.99 * 60, 12.0 * 60 + 1440, 12.0 * 60 - 1440}) {
        EXPECT_EQ(LargestChange(DaylightAt(minute), day), 0.0f) << minute;
    }
    for (double minute : {0.0, 20.0 * 60, 5.99 * 60, 1439.99, -1.0}) {
        const Daylight night = DaylightAt(minute);
        EXPECT_LE(Brightness(night), 0.5f * Brightness(day)) << minute;
        EXPECT_GT(night.tint[2], night.tint[0]) << minute;
        EXPECT_TRUE(night.bubbleShare < 1.0f && night.fishSpeedShare < 1.0f) << minute;
    }
    // Dawn and dusk pass through warm light, brighter than night, dimmer than day.
    for (double minute : {7.0 * 60, 19.0 * 60}) {
        const Daylight passage = DaylightAt(minute);
        EXPECT_GT(Brightness(passage), Brightness(DaylightAt(0.0)));
        EXPECT_LT(Brightness(passage), Brightness(day));
        EXPECT_GT(passage.tint[0], passage.tint[2]) << minute;
    }
    for (int step = 0; step <= kMinutesPerDay; ++step) {
        EXPECT_LE(LargestChange(DaylightAt(step - 1), DaylightAt(step)), 0.02f) << step;
    }
}

TEST(ClockFace, TheLocalesFormAndAPlaceInsideTheViewThatGlidesOnEveryFewMinutes) {
    const struct {
        LocaleTimeWords words;
        int minute;
        const char* text;
    } cases[] = {
        {{"%H:%M:%S", "", ""}, 0, "00:00"},
        {{"%T", "AM", "PM"}, 23 * 60 + 59, "23:59"},
        {{"%r", "AM", "PM"}, 0, "12:00 AM"},
        {{"%I:%M:%S %p", "am", "pm"}, 12 * 60, "12:00 pm"},
        {{"%l:%M:%S %p", "a.m.", "p.m."}, 13 * 60 + 5, "1:05 p.m."},
        // Words the tank's letters cannot write.
        {{"%p %I:%M:%S", "\xe5\x8d\x88\xe5\x89\x8d", "\xe5\x8d\x88\xe5\xbe\x8c"},
         9 * 60 + 30,
         "9:30 AM"},
    };
    for (const auto& c : cases) {
        const std::string text = ClockText(c.minute, ClockLocaleOf(c.words));
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(text.find_first_not_of(ClockCharacters()), std::string::npos) << text;
    }

    const std::array<float, 2> view{1920.0f, 1080.0f};
    const std::array<float, 2> text{360.0f, 68.0f};
    std::array<float, 2> before = ClockPlace(24 * 60 * 60 - 1);
    int moves = 0;
    for (int second = 0; second < 24 * 60 * 60; ++second) {
        const std::array<float, 2> place = ClockPlace(second);
        const std::array<float, 2> at = ClockOrigin(place, view, text, 68.0f);
        ASSERT_TRUE(at[0] >= 68.0f && at[0] + text[0] <= view[0] - 68.0f) << second;
        ASSERT_TRUE(at[1] >= 68.0f && at[1] + text[1] <= view[1] - 68.0f) << second;
        const float step = std::hypot(place[0] - before[0], place[1] - before[1]);
        ASSERT_LT(step, 0.1f) << second;
        moves += step > 0.0f;
        before = place;
    }
    // A glide of half a minute every three.
    EXPECT_EQ(moves, 480 * 30);
}
