#pragma once

#include <functional>

// Ends the process at once with the given status: no destructors, no window
// teardown, no GL clean-up. What was asked to be kept is written first, on the
// calling thread, and buffered standard output is flushed so a last message is
// not lost.
[[noreturn]] void ExitProcessNow(int status);

// What ExitProcessNow writes before the process ends, in place of any asked
// before; empty for nothing.
void KeepBeforeExit(std::function<void()> keep);
