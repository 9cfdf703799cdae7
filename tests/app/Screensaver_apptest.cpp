#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/AppSession.h"
#include "support/TestWindow.h"

// The screens run no window manager: xscreensaver's windows are its own.
// SIGTERM ends a screensaver, with status 0, within the frame it came in; a
// bound on how soon would fail on a loaded machine, not on a slow program.

TEST(ScreensaverMode, AGivenWindowIsFilledAndFollowedAndItsDestructionEndsTheProgram) {
    XServer server(640, 480, Desktop::kBare);
    AppSession app(server);
    TestWindow host(server, 100, 80, 200, 150);
    char hexId[32];
    std::snprintf(hexId, sizeof hexId, "0x%lx", host.Id());
    // xscreensaver's preview gives both: the window wins.
    const pid_t pid = app.Start({"-root", "-window-id", hexId});
    ASSERT_TRUE(WaitForTank(server, {100, 80, 200, 150})) << app.Output();
    EXPECT_TRUE(CaptureScreen(server).IsBlack(50, 50)) << "only inside";
    host.Resize(400, 300);
    EXPECT_TRUE(WaitForTank(server, {100, 80, 400, 300})) << "it follows the window's size";
    host.Destroy();
    EXPECT_EQ(app.WaitForExit(pid, 30000), 0) << app.Output();
}

TEST(ScreensaverMode, TwoScreensaversOfTheEnvironmentsWindowRunBesideANormalCopy) {
    XServer server(640, 480, Desktop::kBare);
    AppSession app(server);
    TestWindow preview(server, 10, 10, 160, 120);
    TestWindow full(server, 200, 10, 160, 120);
    const pid_t first = app.Start({}, {"XSCREENSAVER_WINDOW=" + std::to_string(preview.Id())});
    const pid_t second = app.Start({}, {"XSCREENSAVER_WINDOW=" + std::to_string(full.Id())});
    ASSERT_TRUE(WaitForTank(server, {10, 10, 160, 120})) << app.Output();
    ASSERT_TRUE(WaitForTank(server, {200, 10, 160, 120})) << app.Output();
    const pid_t normal = app.Start();
    // The window shows only once the copy passed the guards.
    ASSERT_TRUE(app.WaitForWindow()) << app.Output();
    for (const pid_t pid : {first, second, normal}) EXPECT_TRUE(app.IsRunning(pid));
    EXPECT_EQ(app.Terminate(first), 0) << app.Output();
    EXPECT_EQ(app.Terminate(second), 0) << app.Output();
    EXPECT_TRUE(app.IsRunning(normal));
}

// Over a black backdrop, with no bubbles and the file's 200 fish: the root is
// red until the program's first frame. The program draws on the root with no
// window of its own, and neither writes the file, which lacks the keys a
// normal start would add, nor leaves anything unpacked beside it.
TEST(ScreensaverMode, TheCommandLineSetsTheFishAndTheReadoutForOneRunAndNeverTheFile) {
    XServer server(640, 480, Desktop::kBare);
    AppSession app(server);
    const std::filesystem::path settings = app.WorkDir() / "VelmarSet.ini";
    std::string file = "[Aquarium Settings]\r\nBACKGROUND=1\r\nQIPAONUM=110\r\n[Fish Number]\r\n";
    for (int species = 0; species < 10; ++species) {
        file += "Fish" + std::to_string(species) + "=20\r\n";
    }
    WriteFile(settings, file);
    // The food flakes the tank opens with sink slowly where no fish eats them.
    constexpr int kFlakePixelsAtMost = 300;
    const struct {
        std::vector<std::string> options;
        bool readout;
        bool fish;
    } runs[] = {
        {{"-root", "-fish", "0"}, false, false},
        {{"--root", "--fish", "0", "--fps"}, true, false},
        {{"-root"}, false, true},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.options.size());
        server.Run("xsetroot -solid red");
        const TempDir frameRates;
        const pid_t pid = app.Start(run.options, FrameRateDump(frameRates.Path()));
        // The readout's place is the bottom-left corner, some 500 pixels at 640 x 480.
        const auto shows = [&](const ScreenCapture& screen) {
            const int corner = screen.LitIn(0, 384, 160, 480);
            const int elsewhere = screen.LitIn(0, 0, 640, 480) - corner;
            // The fish may swim through the corner; they cover thousands of pixels.
            const bool readout = corner > kFlakePixelsAtMost;
            const bool fish = elsewhere > 10 * kFlakePixelsAtMost;
            return screen.RootCovered() && (run.fish || readout == run.readout) &&
                   fish == run.fish && (fish || elsewhere <= kFlakePixelsAtMost);
        };
        EXPECT_TRUE(WaitForScreen(server, shows, 30000)) << app.Output();
        if (run.readout) SaveScreenshot(server, "screensaver-frame-rate.png");
        // A readout comes after a second of frames, the fish with the first:
        // after two seconds of frames what was not asked for has not come.
        EXPECT_TRUE(
            PollUntil([&] { return DumpedFrameRates(frameRates.Path()).size() >= 4; }, 30000));
        const ScreenCapture later = CaptureScreen(server);
        EXPECT_TRUE(shows(later));
        if (run.fish) {
            EXPECT_TRUE(WaitForScreen(
                server, [&](const ScreenCapture& now) { return now.rgb != later.rgb; }, 5000))
                << "the fish swim";
        }
        EXPECT_NE(server.Run("xwininfo -root -children").find("0 children"), std::string::npos);
        EXPECT_EQ(app.Terminate(pid), 0) << app.Output();
    }
    EXPECT_EQ(ReadFile(settings), file);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(app.WorkDir()), {}), 1)
        << "nothing unpacked is left behind";
}
