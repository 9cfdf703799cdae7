#include <gtest/gtest.h>

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/posix/SingleInstanceGuard.h"
#include "support/AppSession.h"

namespace {
bool Water(const ScreenCapture& screen, int x, int y) {
    const auto pixel = screen.At(x, y);
    return pixel[2] > pixel[0] + 40;
}
}  // namespace

TEST(Startup, CoversTheScreenFullScreenWithAnUndecoratedWindowShowingTheTank) {
    XServer server(1024, 768);
    AppSession app(server);
    const pid_t pid = app.Start();
    const auto window = app.WaitForWindow();
    ASSERT_TRUE(window) << app.Output();
    const std::string geometry = server.Run("xwininfo -id " + *window);
    for (const char* line :
         {"Absolute upper-left X:  0", "Absolute upper-left Y:  0", "Width: 1024", "Height: 768"}) {
        EXPECT_NE(geometry.find(line), std::string::npos) << geometry;
    }
    // Full screen by the window manager's grant, with the program's icon for task bars.
    const std::string state = server.Run("xprop -id " + *window + " _NET_WM_STATE");
    EXPECT_NE(state.find("_NET_WM_STATE_FULLSCREEN"), std::string::npos) << state;
    const std::string icon = server.Run("xprop -id " + *window + " _NET_WM_ICON");
    EXPECT_NE(icon.find("Icon (48 x 48)"), std::string::npos) << icon.substr(0, 200);
    // No decorations: flags, functions, then the decorations field, which must be 0.
    const std::string hints = server.Run("xprop -id " + *window + " _MOTIF_WM_HINTS");
    unsigned flags = 0, functions = 0, decorations = 1;
    ASSERT_EQ(std::sscanf(hints.c_str(), "_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = %x, %x, %x", &flags,
                          &functions, &decorations),
              3)
        << hints;
    EXPECT_TRUE(flags & 0x2) << hints;
    EXPECT_EQ(decorations, 0u) << hints;
    // The view fills the frame to its corners: the water of the background
    // picture at the top, something drawn at the bottom.
    EXPECT_TRUE(WaitForScreen(server, [](const ScreenCapture& screen) {
        return Water(screen, 2, 2) && Water(screen, 1021, 2) && screen.IsDrawn(2, 765) &&
               screen.IsDrawn(1021, 765);
    })) << "see tank-at-start.png";
    SaveScreenshot(server, "tank-at-start.png");
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
        WriteFile(runtime / (std::string(guard) + "-" + user), std::to_string(getpid()) + "\n");
    }
    const pid_t first = app.Start();
    ASSERT_TRUE(app.WaitForWindow()) << app.Output();
    EXPECT_EQ(app.WaitForExit(app.Start(), 30000), 0);
    const std::string windows = server.Run("xdotool search --onlyvisible --name '^VelmarScr$'");
    EXPECT_EQ(std::count(windows.begin(), windows.end(), '\n'), 1);
    EXPECT_TRUE(app.IsRunning(first));
    kill(first, SIGKILL);
    app.WaitForExit(first, 30000);

    // Only the second guard held, here by the test itself.
    ScopedEnv runtimeDir("XDG_RUNTIME_DIR", runtime.string());
    const SingleInstanceGuard secondGuard("VelmarScr");
    ASSERT_FALSE(secondGuard.AlreadyHeldElsewhere());
    EXPECT_EQ(app.WaitForExit(app.Start(), 30000), 0) << app.Output();
}

// A display that is not there: the toolkit's own words on standard error and a
// failure status, not a crash in a message box that cannot open.
TEST(Startup, WithoutADisplayItSaysSoAndEndsWithAFailure) {
    XServer server(800, 600);
    AppSession app(server);
    const std::optional<int> status = app.WaitForExit(app.Start({}, {"DISPLAY=:4095"}), 30000);
    ASSERT_TRUE(status) << "ended by a signal: " << app.Output();
    EXPECT_NE(*status, 0);
    EXPECT_NE(app.Output().find("is DISPLAY set properly?"), std::string::npos) << app.Output();
    EXPECT_EQ(app.Output().find("assert"), std::string::npos) << app.Output();
}

// Escape and the signals end the program at once; the window manager's close
// tears the scene down first. Every way leaves nothing but the settings.
TEST(Shutdown, EveryWayOfEndingARunningTankGivesStatusZeroAndLeavesOnlyTheSettings) {
    const std::pair<const char*, std::vector<std::string>> ways[] = {
        {"Escape", {}}, {"close", {"DestroyScene"}}, {"SIGTERM", {}}, {"SIGINT", {}}};
    for (const auto& [way, trace] : ways) {
        SCOPED_TRACE(way);
        XServer server(800, 600);
        AppSession app(server);
        const pid_t pid = app.Start();
        const auto window = app.WaitForWindow();
        ASSERT_TRUE(window) << app.Output();
        // Once a frame is on screen the set-up is done.
        ASSERT_TRUE(WaitForScreen(server, [](const ScreenCapture& screen) {
            return screen.IsDrawn(2, 597) && screen.IsDrawn(797, 597);
        })) << "no frame drawn";
        if (way == std::string("Escape")) {
            app.TakeKeyboard();
            server.Run("xdotool key Escape");
        } else if (way == std::string("close")) {
            server.Close(*window);
        } else {
            kill(pid, way == std::string("SIGTERM") ? SIGTERM : SIGINT);
        }
        EXPECT_EQ(app.WaitForExit(pid, 10000), 0) << app.Output();
        EXPECT_EQ(app.TraceLines(), trace);
        for (const auto& entry : std::filesystem::directory_iterator(app.WorkDir()))
            EXPECT_EQ(entry.path().filename(), "VelmarSet.ini");
    }
}
