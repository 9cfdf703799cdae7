#include "platform/posix/TerminationSignals.h"

#include <signal.h>

namespace {
volatile sig_atomic_t terminationRequested = 0;

extern "C" void OnTerminationSignal(int) {
    terminationRequested = 1;
}
}  // namespace

void InstallTerminationSignals() {
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls resume, so the toolkit's poll loop is not disturbed.
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool TerminationRequested() {
    return terminationRequested != 0;
}
