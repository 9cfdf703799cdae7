#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/AppSession.h"
#include "support/TestWindow.h"

// The screens run no window manager: xscreensaver's windows are its own.
// SIGTERM ends a screensaver, with status 0, within the frame it came in; a
// bound on how soon would fail on a loaded machine, not on a slow program.

// A window named on the command line, and two by xscreensaver's environment,
// beside a normal copy: each is filled, the first followed as it grows and
// its destruction ends its copy.
TEST(ScreensaverMode, GivenWindowsAreFilledAndFollowedAndRunBesideANormalCopy) {
    XServer server(640, 480, Desktop::kBare);
    AppSession app(server);
    TestWindow host(server, 100, 200, 200, 150);
    TestWindow preview(server, 10, 10, 160, 120);
    TestWindow full(server, 200, 10, 160, 120);
    char hexId[32];
    std::snprintf(hexId, sizeof hexId, "0x%lx", host.Id());
    // xscreensaver's preview gives both: the window wins.
    const pid_t given = app.Start({"-root", "-window-id", hexId});
    const pid_t first = app.Start({}, {"XSCREENSAVER_WINDOW=" + std::to_string(preview.Id())});
    const pid_t second = app.Start({}, {"XSCREENSAVER_WINDOW=" + std::to_string(full.Id())});
    for (const PixelRect& area :
         {PixelRect{100, 200, 200, 150}, PixelRect{10, 10, 160, 120}, PixelRect{200, 10, 160, 120}})
        ASSERT_TRUE(WaitForTank(server, area)) << app.Output();
    EXPECT_TRUE(CaptureScreen(server).IsBlack(600, 100)) << "only inside";
    server.Run("xdotool windowsize " + std::to_string(host.Id()) + " 400 250");
    EXPECT_TRUE(WaitForTank(server, {100, 200, 400, 250})) << "it follows the window's size";
    host.Destroy();
    EXPECT_EQ(app.WaitForExit(given, kPatientMs), 0) << app.Output();

    const pid_t normal = app.Start();
    // The window shows only once the copy passed the guards.
    ASSERT_TRUE(app.WaitForWindow()) << app.Output();
    for (const pid_t pid : {first, second, normal}) EXPECT_TRUE(app.IsRunning(pid));
    for (const pid_t pid : {first, second}) EXPECT_EQ(app.Terminate(pid), 0) << app.Output();
}

// Over a black backdrop, with the file's 200 fish: the root is red until the
// program's first frame. The command line's fish and frame-rate readout hold
// for one run: the program draws on the root with no window of its own, and
// neither writes the file, which lacks the keys a normal start would add, nor
// leaves anything unpacked beside it.
TEST(ScreensaverMode, TheCommandLineSetsTheFishAndTheReadoutForOneRunAndNeverTheFile) {
    XServer server(640, 480, Desktop::kBare);
    AppSession app(server);
    const std::filesystem::path settings = app.WorkDir() / "VelmarSet.ini";
    std::string file = "[Aquarium Settings]\r\nBACKGROUND=1\r\nQIPAONUM=110\r\n[Fish Number]\r\n";
    for (int species = 0; species < 10; ++species)
        file += "Fish" + std::to_string(species) + "=20\r\n";
    WriteFile(settings, file);
    // The food flakes the tank opens with sink slowly where no fish eats them.
    constexpr int kFlakePixelsAtMost = 300;
    for (const bool fish : {false, true}) {
        SCOPED_TRACE(fish ? "the file's fish" : "no fish and the readout");
        server.Run("xsetroot -solid red");
        const pid_t pid =
            app.Start(fish ? std::vector<std::string>{"-root"}
                           : std::vector<std::string>{"--root", "--fish", "0", "--fps"});
        // The readout's place is the bottom-left corner, some 500 pixels at
        // 640 x 480; the fish cover thousands of pixels and may swim through it.
        EXPECT_TRUE(WaitForScreen(
            server,
            [&](const ScreenCapture& screen) {
                const int corner = screen.LitIn(0, 384, 160, 480);
                const int elsewhere = screen.LitIn(0, 0, 640, 480) - corner;
                return screen.RootCovered() &&
                       (fish ? elsewhere > 10 * kFlakePixelsAtMost
                             : corner > kFlakePixelsAtMost && elsewhere <= kFlakePixelsAtMost);
            },
            kPatientMs))
            << app.Output();
        EXPECT_NE(server.Run("xwininfo -root -children").find("0 children"), std::string::npos);
        EXPECT_EQ(app.Terminate(pid), 0) << app.Output();
    }
    EXPECT_EQ(ReadFile(settings), file);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(app.WorkDir()), {}), 1)
        << "nothing unpacked is left behind";
}
