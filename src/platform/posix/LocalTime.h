#pragma once

#include <string>

// The local time of day in seconds from midnight (0..86399), as the system's
// clock and time zone say now: the zone is read afresh on every call, so a
// change of either shows at once.
int LocalSecondOfDay();

// How the user's locale writes a time: its time format (as strftime takes
// it) and its words for morning and afternoon. The first call takes the
// locale's time category from the environment.
struct LocaleTimeWords {
    std::string timeFormat;
    std::string am;
    std::string pm;
};
LocaleTimeWords ReadLocaleTimeWords();
