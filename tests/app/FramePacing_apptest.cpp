// The frame timer's pacing seen from outside: Mesa's HUD counts the frames,
// /proc counts the processor time.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/AppSession.h"
#include "support/ProcessorTime.h"

namespace {
// The median of `count` of the frame rates dumped after the first `skip`, once
// they are there (a slow start under the sanitizers may take a while); -1
// when they never come.
double MedianFps(const TempDir& dump, std::size_t skip, std::size_t count) {
    std::vector<double> samples;
    if (!PollUntil([&] { return (samples = DumpedFrameRates(dump.Path())).size() >= skip + count; },
                   30000, 500)) {
        return -1.0;
    }
    std::vector<double> counted(samples.begin() + static_cast<long>(skip),
                                samples.begin() + static_cast<long>(skip + count));
    std::sort(counted.begin(), counted.end());
    return counted[counted.size() / 2];
}
}  // namespace

// A window nobody can see costs next to nothing: minimised through the window
// manager it draws no frames, and restored it goes on.
TEST(FramePacing, AHiddenWindowDrawsNothingAndGoesOnWhenShownAgain) {
    XServer server(640, 480);
    AppSession app(server);
    const pid_t pid = app.Start();
    const auto window = app.WaitForWindow();
    ASSERT_TRUE(window) << app.Output();
    // The set-up is done once the tank shows.
    ASSERT_TRUE(WaitForTank(server, {0, 0, 640, 480}));
    const double shown = ProcessorShareOver(pid, 2);
    // Each share is measured until it settles, as the window manager's moves
    // and the frame in flight take their time.
    double hidden = 1.0;
    server.Run("xdotool windowminimize --sync " + *window);
    // Under the sanitizers the dialogs' own timers take a few percent.
    EXPECT_TRUE(PollUntil(
        [&] { return (hidden = ProcessorShareOver(pid, 2)) < 0.1 && 5.0 * hidden < shown; }, 60000))
        << "share of a processor while hidden: " << hidden << "; shown: " << shown;
    double shownAgain = 0.0;
    server.Run("xdotool windowactivate --sync " + *window);
    EXPECT_TRUE(
        PollUntil([&] { return (shownAgain = ProcessorShareOver(pid, 2)) > 4.0 * hidden; }, 60000))
        << "shown again: " << shownAgain << "; hidden: " << hidden;
    EXPECT_TRUE(app.IsRunning(pid));
}

// Frames come no faster than the limit asked for on the command line: a limit
// low enough to hold back even the sanitizers' build on a loaded machine.
TEST(FramePacing, MaxFpsLimitsTheFrameRate) {
    XServer server(640, 480);
    AppSession app(server);
    const TempDir dump;
    const pid_t pid = app.Start({"--max-fps", "2"}, FrameRateDump(dump.Path()));
    ASSERT_TRUE(app.WaitForWindow()) << app.Output();
    const double fps = MedianFps(dump, 4, 8);
    EXPECT_TRUE(app.IsRunning(pid));
    EXPECT_GT(fps, 1.0);
    EXPECT_LE(fps, 2.3);
}
