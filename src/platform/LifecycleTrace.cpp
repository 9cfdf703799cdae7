#include "platform/LifecycleTrace.h"

#include <cstdio>
#include <cstdlib>

void TraceLifecycle(const char* event) {
    const char* path = std::getenv("VELMAR_TRACE_FILE");
    if (!path || !*path) return;
    if (std::FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s\n", event);
        std::fclose(file);
    }
}
