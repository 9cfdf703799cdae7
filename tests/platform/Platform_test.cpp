#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <optional>

#include "platform/posix/SingleInstanceGuard.h"
#include "platform/posix/WorkDir.h"
#include "platform/runtime/CrtAtoi.h"
#include "support/TestSupport.h"

// Blanks, a sign and digits up to the first other character, else zero; huge
// numbers saturate instead of wrapping.
TEST(CrtAtoi, ReadsLikeTheRuntimesAtoiAndSaturates) {
    EXPECT_EQ(CrtAtoi("42"), 42);
    EXPECT_EQ(CrtAtoi(" \t-17"), -17);
    EXPECT_EQ(CrtAtoi("+8"), 8);
    EXPECT_EQ(CrtAtoi("32767.5"), 32767);
    EXPECT_EQ(CrtAtoi("12abc"), 12);
    for (const char* text : {"", "abc", "-", "- 5", "0x10"}) EXPECT_EQ(CrtAtoi(text), 0) << text;
    for (const char* text : {"2147483647", "2147483648", "99999999999999999999999"})
        EXPECT_EQ(CrtAtoi(text), INT_MAX) << text;
    for (const char* text : {"-2147483648", "-2147483649", "-99999999999999999999999"})
        EXPECT_EQ(CrtAtoi(text), INT_MIN) << text;
}

TEST(GetWorkDir, MakesVelmarUnderXdgConfigHomeOrDotConfigAndReportsWhenItCannot) {
    TempDir temp;
    const std::filesystem::path blocker = temp.Path() / "file";
    WriteFile(blocker, "not a folder");
    ScopedEnv home("HOME", temp.Path().string());
    std::string shown;
    const MessageBoxPresenter previous =
        SetMessageBoxPresenter([&](const std::string& text, const std::string& caption) {
            shown += caption + "|" + text;
        });
    // XDG_CONFIG_HOME and the folder then given; a relative one counts as unset.
    const std::pair<std::string, std::string> cases[] = {
        {temp.Path().string(), (temp.Path() / "velmar/").string()},
        {"relative/dir", (temp.Path() / ".config/velmar/").string()},
        {blocker.string(), ""}};
    for (const auto& [xdg, dir] : cases) {
        ScopedEnv env("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(GetWorkDir(), dir);
    }
    SetMessageBoxPresenter(previous);
    EXPECT_TRUE(std::filesystem::is_directory(temp.Path() / "velmar"));
    EXPECT_EQ(shown, "ERROR|Error Find TempPath.");
}

// A child forked without exec, as a library starting a helper is, holds no
// guard: once the program lets it go, the next start takes it.
TEST(SingleInstanceGuard, AForkedChildDoesNotKeepTheGuard) {
    const std::string name = "test-" + std::to_string(getpid());
    std::optional<SingleInstanceGuard> guard(std::in_place, name, ":0");
    ASSERT_FALSE(guard->AlreadyHeldElsewhere());
    int forked[2];
    ASSERT_EQ(pipe(forked), 0);
    const pid_t child = fork();
    if (child == 0) {
        // The fork handlers have run by now.
        if (write(forked[1], "x", 1) == 1) pause();
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(forked[0], &byte, 1), 1);
    guard.reset();
    EXPECT_FALSE(SingleInstanceGuard(name, ":0").AlreadyHeldElsewhere());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(forked[0]);
    close(forked[1]);
}
