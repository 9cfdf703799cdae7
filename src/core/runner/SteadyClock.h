#pragma once

#include <chrono>

// The time the runner paces frames and ticks by: milliseconds on a clock that
// never jumps with the wall clock.
inline double SteadyNowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}
