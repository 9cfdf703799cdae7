#include "platform/TerminationSignals.h"
#include <csignal>
namespace {
volatile std::sig_atomic_t requested = 0;
void Note(int) {
    requested = 1;
}
}  // namespace
void InstallTerminationSignals() {
    std::signal(SIGTERM, Note);
    std::signal(SIGINT, Note);
}
bool TerminationRequested() {
    return requested != 0;
}
