#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "support/AppSession.h"

namespace {
// The local time the program sees, through libfaketime; the steady clock the
// pacing runs on is left alone. ASan need not come first with it preloaded.
std::vector<std::string> LocalTimeAt(const std::string& time) {
    return {"LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1",
            "FAKETIME=@2026-12-08 " + time, "FAKETIME_DONT_FAKE_MONOTONIC=1", "TZ=UTC",
            "ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0"};
}
}  // namespace

// As a screensaver over the root, with no fish and no bubbles: the wall lit by
// the time of day, and over the file's black backdrop the clock or nothing.
// The food flakes the tank opens with light a few hundred pixels at most.
TEST(TimeOfDay, NoonIsTheDaysLightMidnightIsDimAndTheClockShowsOnlyWhenAsked) {
    XServer server(640, 480, Desktop::kBare);
    AppSession app(server);
    WriteFile(app.WorkDir() / "VelmarSet.ini", "[Aquarium Settings]\nBACKGROUND=1\n");
    double noon = 0.0;
    // `steady`: two captures in a row agree, so a frame half drawn passes no test.
    const struct {
        std::vector<std::string> options;  // besides -root -fish 0 -no-bubbles
        const char* time;
        std::function<bool(double brightness, bool steady, int lit)> shows;
    } runs[] = {
        {{"-wall", "-daynight"}, "12:00:00", [](double, bool steady, int) { return steady; }},
        {{"-wall", "-daynight"},
         "00:00:00",
         [&](double b, bool steady, int) { return steady && b <= 0.6 * noon; }},
        {{"-no-wall", "-clock"}, "15:42:00", [](double, bool, int lit) { return lit >= 1000; }},
        {{"-no-wall"}, "15:42:00", [](double, bool, int lit) { return lit <= 300; }},
    };
    for (const auto& run : runs) {
        std::vector<std::string> options{"-root", "-fish", "0", "-no-bubbles"};
        options.insert(options.end(), run.options.begin(), run.options.end());
        SCOPED_TRACE(options.back() + " at " + run.time);
        server.Run("xsetroot -solid red");
        const pid_t pid = app.Start(options, LocalTimeAt(run.time));
        double brightness = -1.0;
        int lit = 0;
        const auto shows = [&](const ScreenCapture& screen) {
            if (!screen.RootCovered()) return false;
            const double before = brightness;
            brightness = std::accumulate(screen.rgb.begin(), screen.rgb.end(), 0.0) /
                         static_cast<double>(screen.rgb.size());
            lit = screen.LitIn(0, 0, screen.width, screen.height);
            return run.shows(brightness, std::fabs(brightness - before) <= 0.02 * brightness, lit);
        };
        EXPECT_TRUE(WaitForScreen(server, shows, kPatientMs))
            << app.Output() << " brightness " << brightness << " of " << noon << ", lit " << lit;
        if (&run == &runs[0]) noon = brightness;
        EXPECT_TRUE(shows(CaptureScreen(server))) << "brightness " << brightness << ", lit " << lit;
        EXPECT_EQ(app.Terminate(pid), 0) << app.Output();
    }
}
