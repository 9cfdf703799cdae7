#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "support/AppSession.h"
#include "support/TestWindow.h"

namespace {
bool TankDrawnIn(const XServer& server, int x, int y, int width, int height) {
    return WaitForScreen(
        server,
        [&](const ScreenCapture& screen) {
            return screen.IsDrawn(x + 2, y + 2) && screen.IsDrawn(x + width - 3, y + height - 3);
        },
        30000);
}

// SIGTERM ends a screensaver, with status 0. It ends within the frame it
// came in; a bound on that here would fail on a loaded machine, not on a
// slow program.
void ExpectEndsOnSigterm(AppSession& app, pid_t pid) {
    kill(pid, SIGTERM);
    EXPECT_EQ(app.WaitForExit(pid, 30000), 0) << app.Output();
}
}  // namespace

// The screens run no window manager: xscreensaver's windows are its own.
TEST(ScreensaverMode, RootDrawsTheMovingTankWithNoWindowOfItsOwnAndNeverWritesTheSettings) {
    XServer server(640, 480, Desktop::kBare);
    AppSession app(server);
    const std::filesystem::path settings = app.WorkDir() / "VelmarSet.ini";
    // Incomplete on purpose: a normal start would write its repairs back.
    WriteFile(settings, "[Aquarium Settings]\r\nBUBBLE=9\r\n");
    const pid_t pid = app.Start({"-root"});
    ASSERT_TRUE(TankDrawnIn(server, 0, 0, 640, 480)) << app.Output();
    const ScreenCapture first = CaptureScreen(server);
    EXPECT_TRUE(WaitForScreen(
        server, [&](const ScreenCapture& now) { return now.rgb != first.rgb; }, 5000))
        << "the fish swim";
    EXPECT_NE(server.Run("xwininfo -root -children").find("0 children"), std::string::npos);
    ExpectEndsOnSigterm(app, pid);
    EXPECT_EQ(ReadFile(settings), "[Aquarium Settings]\r\nBUBBLE=9\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(app.WorkDir()), {}), 1)
        << "nothing unpacked is left behind";
}

TEST(ScreensaverMode, AGivenWindowIsFilledAndFollowedAndItsDestructionEndsTheProgram) {
    XServer server(640, 480, Desktop::kBare);
    AppSession app(server);
    TestWindow host(server, 100, 80, 200, 150);
    char hexId[32];
    std::snprintf(hexId, sizeof hexId, "0x%lx", host.Id());
    const pid_t pid = app.Start({"-window-id", hexId});
    ASSERT_TRUE(TankDrawnIn(server, 100, 80, 200, 150)) << app.Output();
    EXPECT_TRUE(CaptureScreen(server).IsBlack(50, 50)) << "only inside";
    host.Resize(400, 300);
    EXPECT_TRUE(TankDrawnIn(server, 100, 80, 400, 300)) << "it follows the window's size";
    host.Destroy();
    EXPECT_EQ(app.WaitForExit(pid, 2000), 0) << app.Output();
}

TEST(ScreensaverMode, TwoScreensaversOfTheEnvironmentsWindowRunBesideANormalCopy) {
    XServer server(640, 480, Desktop::kBare);
    AppSession app(server);
    TestWindow preview(server, 10, 10, 160, 120);
    TestWindow full(server, 200, 10, 160, 120);
    const pid_t first = app.Start({}, {"XSCREENSAVER_WINDOW=" + std::to_string(preview.Id())});
    const pid_t second = app.Start({}, {"XSCREENSAVER_WINDOW=" + std::to_string(full.Id())});
    ASSERT_TRUE(TankDrawnIn(server, 10, 10, 160, 120)) << app.Output();
    ASSERT_TRUE(TankDrawnIn(server, 200, 10, 160, 120)) << app.Output();
    const pid_t normal = app.Start();
    ASSERT_TRUE(app.WaitForWindow()) << app.Output();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    for (const pid_t pid : {first, second, normal}) EXPECT_TRUE(app.IsRunning(pid));
    ExpectEndsOnSigterm(app, first);
    ExpectEndsOnSigterm(app, second);
    EXPECT_TRUE(app.IsRunning(normal));
}
