#include <gtest/gtest.h>

#include <signal.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

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

// What shows: pixels of the red root the program has not drawn over yet, and
// drawn pixels that are not black, in the bottom-left corner (the readout's
// place, some 500 pixels at 640 x 480) and elsewhere.
struct Shown {
    int red = 0, corner = 0, elsewhere = 0;
};
// The food flakes the tank opens with sink slowly where no fish eats them.
constexpr int kFlakePixelsAtMost = 300;
Shown Count(const ScreenCapture& screen) {
    Shown shown;
    for (int y = 0; y < screen.height; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            if (screen.At(x, y) == std::array<std::uint8_t, 3>{255, 0, 0}) {
                ++shown.red;
            } else if (!screen.IsBlack(x, y)) {
                const bool inCorner = x < screen.width / 4 && y >= screen.height * 4 / 5;
                ++(inCorner ? shown.corner : shown.elsewhere);
            }
        }
    }
    return shown;
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
    // xscreensaver's preview gives both: the window wins.
    const pid_t pid = app.Start({"-root", "-window-id", hexId});
    ASSERT_TRUE(TankDrawnIn(server, 100, 80, 200, 150)) << app.Output();
    EXPECT_TRUE(CaptureScreen(server).IsBlack(50, 50)) << "only inside";
    host.Resize(400, 300);
    EXPECT_TRUE(TankDrawnIn(server, 100, 80, 400, 300)) << "it follows the window's size";
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
    ASSERT_TRUE(TankDrawnIn(server, 10, 10, 160, 120)) << app.Output();
    ASSERT_TRUE(TankDrawnIn(server, 200, 10, 160, 120)) << app.Output();
    const pid_t normal = app.Start();
    // The window shows only once the copy passed the guards.
    ASSERT_TRUE(app.WaitForWindow()) << app.Output();
    for (const pid_t pid : {first, second, normal}) EXPECT_TRUE(app.IsRunning(pid));
    ExpectEndsOnSigterm(app, first);
    ExpectEndsOnSigterm(app, second);
    EXPECT_TRUE(app.IsRunning(normal));
}

// Over a black backdrop, with no bubbles and the file's 200 fish: the root is
// red until the program's first frame.
TEST(ScreensaverMode, TheCommandLineSetsTheFishAndTheReadoutForOneRunAndNeverTheFile) {
    XServer server(640, 480, Desktop::kBare);
    AppSession app(server);
    const std::filesystem::path settings = app.WorkDir() / "VelmarSet.ini";
    std::string file = "[Aquarium Settings]\r\nBACKGROUND=1\r\nQIPAONUM=110\r\n[Fish Number]\r\n";
    for (int species = 0; species < 10; ++species) {
        file += "Fish" + std::to_string(species) + "=20\r\n";
    }
    WriteFile(settings, file);
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
        const pid_t pid = app.Start(run.options);
        const auto shows = [&](const ScreenCapture& screen) {
            const Shown shown = Count(screen);
            // The fish may swim through the corner; they cover thousands of pixels.
            const bool readout = shown.corner > kFlakePixelsAtMost;
            const bool fish = shown.elsewhere > 10 * kFlakePixelsAtMost;
            return shown.red == 0 && (run.fish || readout == run.readout) && fish == run.fish &&
                   (fish || shown.elsewhere <= kFlakePixelsAtMost);
        };
        EXPECT_TRUE(WaitForScreen(server, shows, 30000)) << app.Output();
        if (run.readout) SaveScreenshot(server, "screensaver-frame-rate.png");
        // A readout would come after a second of frames, and the fish one a frame.
        std::this_thread::sleep_for(std::chrono::seconds(2));
        EXPECT_TRUE(shows(CaptureScreen(server)));
        ExpectEndsOnSigterm(app, pid);
    }
    EXPECT_EQ(ReadFile(settings), file);
}
