#pragma once

// Appends the event name as a line to the file named by VELMAR_TRACE_FILE, when
// that variable is set. Lets whole-program tests see teardown steps that leave
// nothing on screen; does nothing otherwise.
void TraceLifecycle(const char* event);
