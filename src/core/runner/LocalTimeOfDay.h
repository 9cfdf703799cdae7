#pragma once

#include "core/runner/TankRunner.h"

// What the runner follows the time of day with: the system's local time and
// the user's locale's way of writing it.
TankRunner::TimeOfDay LocalTimeOfDay(bool dayNight, bool clock);
