#include "platform/posix/ProcessExit.h"

#include <cstdio>
#include <cstdlib>

void ExitProcessNow(int status) {
    std::fflush(nullptr);
    std::_Exit(status);
}
