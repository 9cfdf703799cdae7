#include <cstdio>
#include <cstdlib>
#include <memory>

#include "diagnostics/Diagnostics.h"
#include "diagnostics/GlObjectReport.h"

// VELMAR_GL_REPORT_FILE: the GL objects alive, once a second.
std::function<void(double nowMs)> FrameWatcher() {
    const char* path = std::getenv("VELMAR_GL_REPORT_FILE");
    if (!path || !*path) return {};
    auto report = std::make_shared<GlObjectReport>(path);
    return [report](double nowMs) { report->AfterFrame(nowMs); };
}

// VELMAR_TRACE_FILE: a line per step.
void NoteLifecycle(const char* event) {
    const char* path = std::getenv("VELMAR_TRACE_FILE");
    if (!path || !*path) return;
    if (std::FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s\n", event);
        std::fclose(file);
    }
}
