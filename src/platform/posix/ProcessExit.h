#pragma once

// Ends the process at once with the given status: no destructors, no window
// teardown, no GL clean-up. Buffered standard output is flushed first so a
// last message is not lost.
[[noreturn]] void ExitProcessNow(int status);
