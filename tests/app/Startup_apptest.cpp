#include <gtest/gtest.h>

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/posix/SingleInstanceGuard.h"
#include "support/AppSession.h"
#include "support/ScopedEnv.h"
#include "support/ScreenCapture.h"

namespace {
constexpr int kStartTimeoutMs = 30000;
}  // namespace

TEST(Startup, CoversTheScreenFullScreenWithAnUndecoratedWindowShowingTheTank) {
    XServer server(1024, 768);
    AppSession app(server);
    const pid_t pid = app.Start();
    const auto window = app.WaitForWindow(kStartTimeoutMs);
    ASSERT_TRUE(window) << app.Output();
    const std::string geometry = app.RunOnDisplay("xwininfo -id " + *window);
    EXPECT_NE(geometry.find("Absolute upper-left X:  0"), std::string::npos) << geometry;
    EXPECT_NE(geometry.find("Absolute upper-left Y:  0"), std::string::npos) << geometry;
    EXPECT_NE(geometry.find("Width: 1024"), std::string::npos) << geometry;
    EXPECT_NE(geometry.find("Height: 768"), std::string::npos) << geometry;
    // Full screen by the window manager's grant, with the program's icon for task bars.
    const std::string state = app.RunOnDisplay("xprop -id " + *window + " _NET_WM_STATE");
    EXPECT_NE(state.find("_NET_WM_STATE_FULLSCREEN"), std::string::npos) << state;
    const std::string icon = app.RunOnDisplay("xprop -id " + *window + " _NET_WM_ICON");
    EXPECT_NE(icon.find("Icon (48 x 48)"), std::string::npos) << icon.substr(0, 200);
    // No decorations: flags, functions, then the decorations field, which must be 0.
    const std::string hints = app.RunOnDisplay("xprop -id " + *window + " _MOTIF_WM_HINTS");
    unsigned flags = 0, functions = 0, decorations = 1;
    ASSERT_EQ(std::sscanf(hints.c_str(), "_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = %x, %x, %x", &flags,
                          &functions, &decorations),
              3)
        << hints;
    EXPECT_TRUE(flags & 0x2) << hints;
    EXPECT_EQ(decorations, 0u) << hints;
    // The view fills the frame to its corners: the water of the background
    // picture at the top, something drawn (not black, not the toolkit's grey)
    // at the bottom.
    const auto water = [](const ScreenCapture& screen, int x, int y) {
        const auto pixel = screen.At(x, y);
        return pixel[2] > pixel[0] + 40;
    };
    EXPECT_TRUE(WaitForScreen(server, [&](const ScreenCapture& screen) {
        return water(screen, 2, 2) && water(screen, 1021, 2) && screen.IsDrawn(2, 765) &&
               screen.IsDrawn(1021, 765);
    })) << "see tank-at-start.png";
    SaveScreenshot(server.Display(), "tank-at-start.png");
    EXPECT_TRUE(app.IsRunning(pid));
}

// The guards go with the process that held them, however it ended: files an
// earlier run left, naming a process that is alive, block nothing. Either guard
// held by a running copy ends a new one quietly.
TEST(Startup, LeftoverLockFilesBlockNothingAndASecondCopyEndsWithStatusZero) {
    XServer server(800, 600);
    AppSession app(server);
    const std::string user = getpwuid(getuid())->pw_name;
    const std::filesystem::path runtime = app.Root() / "runtime";
    for (const char* guard : {"FirstMyProject_Velm", "VelmarScr"}) {
        std::ofstream(runtime / (std::string(guard) + "-" + user)) << getpid() << "\n";
    }
    const pid_t first = app.Start();
    ASSERT_TRUE(app.WaitForWindow(kStartTimeoutMs)) << app.Output();
    EXPECT_EQ(app.WaitForExit(app.Start(), kStartTimeoutMs), 0);
    const std::string windows =
        app.RunOnDisplay("xdotool search --onlyvisible --name '^VelmarScr$'");
    EXPECT_EQ(std::count(windows.begin(), windows.end(), '\n'), 1);
    EXPECT_TRUE(app.IsRunning(first));
    kill(first, SIGKILL);
    app.WaitForExit(first, kStartTimeoutMs);

    // Only the second guard held, here by the test itself.
    ScopedEnv runtimeDir("XDG_RUNTIME_DIR", runtime.string());
    const SingleInstanceGuard secondGuard("VelmarScr");
    ASSERT_FALSE(secondGuard.AlreadyHeldElsewhere());
    EXPECT_EQ(app.WaitForExit(app.Start(), kStartTimeoutMs), 0) << app.Output();
}

// A display that is not there: the toolkit's own words on standard error and a
// failure status, not a crash in a message box that cannot open.
TEST(Startup, WithoutADisplayItSaysSoAndEndsWithAFailure) {
    XServer server(800, 600);
    AppSession app(server);
    const pid_t pid = app.Start({}, {"DISPLAY=:4095"});
    const std::optional<int> status = app.WaitForExit(pid, kStartTimeoutMs);
    ASSERT_TRUE(status) << "ended by a signal: " << app.Output();
    EXPECT_NE(*status, 0);
    EXPECT_NE(app.Output().find("is DISPLAY set properly?"), std::string::npos) << app.Output();
    EXPECT_EQ(app.Output().find("assert"), std::string::npos) << app.Output();
}

TEST(Shutdown, EscapeEndsTheProgramWithStatusZeroWithoutTeardown) {
    XServer server(800, 600);
    AppSession app(server);
    const pid_t pid = app.Start();
    ASSERT_TRUE(app.WaitForWindow(kStartTimeoutMs)) << app.Output();
    app.PressKey("Escape");
    EXPECT_EQ(app.WaitForExit(pid, 10000), 0);
    EXPECT_TRUE(app.TraceLines().empty());
}

TEST(Shutdown, ClosingThroughTheSystemTearsTheSceneDownOnce) {
    XServer server(800, 600);
    AppSession app(server);
    const pid_t pid = app.Start();
    const auto window = app.WaitForWindow(kStartTimeoutMs);
    ASSERT_TRUE(window) << app.Output();
    // Close a running scene: once a frame is on screen the set-up is done.
    ASSERT_TRUE(WaitForScreen(server, [](const ScreenCapture& screen) {
        return screen.IsDrawn(2, 597) && screen.IsDrawn(797, 597);
    })) << "no frame drawn";
    app.CloseWindowThroughSystem(*window);
    EXPECT_EQ(app.WaitForExit(pid, 10000), 0);
    EXPECT_EQ(app.TraceLines(), std::vector<std::string>{"DestroyScene"});
}

TEST(Shutdown, TermAndInterruptSignalsEndARunningTankWithStatusZeroLeavingOnlyTheSettings) {
    for (const int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(strsignal(signal));
        XServer server(800, 600);
        AppSession app(server);
        const pid_t pid = app.Start();
        ASSERT_TRUE(app.WaitForWindow(kStartTimeoutMs)) << app.Output();
        ASSERT_TRUE(WaitForScreen(server, [](const ScreenCapture& screen) {
            return screen.IsDrawn(2, 597) && screen.IsDrawn(797, 597);
        })) << "no frame drawn";
        kill(pid, signal);
        EXPECT_EQ(app.WaitForExit(pid, 1000), 0) << app.Output();
        std::vector<std::string> left;
        for (const auto& entry : std::filesystem::directory_iterator(app.WorkDir())) {
            left.push_back(entry.path().filename().string());
        }
        EXPECT_TRUE(left.empty() || left == std::vector<std::string>{"VelmarSet.ini"})
            << left.front();
    }
}
