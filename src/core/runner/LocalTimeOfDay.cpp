#include "core/runner/LocalTimeOfDay.h"

#include "platform/posix/LocalTime.h"

TankRunner::TimeOfDay LocalTimeOfDay(bool dayNight, bool clock) {
    return {dayNight, clock, clock ? ClockLocaleOf(ReadLocaleTimeWords()) : ClockLocale{},
            LocalSecondOfDay};
}
