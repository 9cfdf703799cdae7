#include "diagnostics/Diagnostics.h"

std::function<void(double nowMs)> FrameWatcher() {
    return {};
}

void NoteLifecycle(const char*) {}
