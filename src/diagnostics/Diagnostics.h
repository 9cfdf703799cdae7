#pragma once

#include <functional>

// What long runs and the whole-program tests watch the program through. The
// program as shipped links hooks that do nothing (NoDiagnostics.cpp); its
// instrumented twin, built with the tests, links hooks that write to the files
// the environment names (EnvironmentDiagnostics.cpp).

// Runs after each frame, with the frame's context current; empty when nobody
// watches, so the frames pay nothing.
std::function<void(double nowMs)> FrameWatcher();

// A step of the program's life, such as the scene's teardown.
void NoteLifecycle(const char* event);
