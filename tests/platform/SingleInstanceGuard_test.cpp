#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "platform/posix/SingleInstanceGuard.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace {
// A child process that takes the guard, says so through a pipe and waits to be killed.
pid_t HoldInChild(const std::string& name) {
    int ready[2];
    if (pipe(ready) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        const SingleInstanceGuard guard(name);
        const char held = guard.AlreadyHeldElsewhere() ? 'n' : 'y';
        if (write(ready[1], &held, 1) != 1) _exit(1);
        pause();
        _exit(0);
    }
    char held = 0;
    const bool told = read(ready[0], &held, 1) == 1 && held == 'y';
    close(ready[0]);
    close(ready[1]);
    return told ? pid : -1;
}
}  // namespace

TEST(SingleInstanceGuard, HeldOnlyWhileItsHolderLives) {
    TempDir runtime;
    ScopedEnv runtimeDir("XDG_RUNTIME_DIR", runtime.Path().string());
    const pid_t holder = HoldInChild("FirstMyProject_Velm");
    ASSERT_GT(holder, 0);
    EXPECT_TRUE(SingleInstanceGuard("FirstMyProject_Velm").AlreadyHeldElsewhere());
    EXPECT_FALSE(SingleInstanceGuard("VelmarScr").AlreadyHeldElsewhere());
    // Killed outright, as no destructor runs: the lock goes with the process.
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    EXPECT_FALSE(SingleInstanceGuard("FirstMyProject_Velm").AlreadyHeldElsewhere());
}

TEST(SingleInstanceGuard, AFolderWithoutRoomForTheLockGuardsNothing) {
    ScopedEnv runtimeDir("XDG_RUNTIME_DIR", "/nonexistent/velmar-runtime");
    const SingleInstanceGuard first("VelmarScr");
    EXPECT_FALSE(SingleInstanceGuard("VelmarScr").AlreadyHeldElsewhere());
}
