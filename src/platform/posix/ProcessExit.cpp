#include "platform/posix/ProcessExit.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {
std::function<void()>& KeptBeforeExit() {
    static std::function<void()> keep;
    return keep;
}
}  // namespace

void ExitProcessNow(int status) {
    // Taken out first: a failure while keeping ends the process without it.
    if (const std::function<void()> keep = std::exchange(KeptBeforeExit(), nullptr)) keep();
    std::fflush(nullptr);
    std::_Exit(status);
}

void KeepBeforeExit(std::function<void()> keep) {
    KeptBeforeExit() = std::move(keep);
}
