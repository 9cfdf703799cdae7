#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
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

double MeanBrightness(const ScreenCapture& screen) {
    double sum = 0.0;
    for (std::uint8_t value : screen.rgb) sum += value;
    return sum / static_cast<double>(screen.rgb.size());
}
}  // namespace

// As a screensaver over the root, with no fish and no bubbles: the wall lit by
// the time of day, and over a black backdrop the clock or nothing. The food
// flakes the tank opens with light a few hundred pixels at most.
TEST(TimeOfDay, NoonIsTheDaysLightMidnightIsDimAndTheClockShowsOnlyWhenAsked) {
    XServer server(640, 480, Desktop::kBare);
    AppSession app(server);
    const std::filesystem::path settings = app.WorkDir() / "VelmarSet.ini";
    const struct {
        std::vector<std::string> options;  // besides -root -fish 0 -no-bubbles
        const char* time;
        // Of the first run's: at least, and at most as far above (when negative: at most).
        double brightnessShare;
        int litAtLeast;  // or at most, when negative; 0 for the wall's runs
        const char* screenshot;
    } runs[] = {
        {{}, "12:00:00", 0.0, 0, nullptr},
        {{"-daynight"}, "12:00:00", 0.97, 0, "noon.png"},
        {{"-daynight"}, "00:00:00", -0.6, 0, "midnight.png"},
        {{"-no-wall", "-clock"}, "15:42:00", 0.0, 1000, "clock.png"},
        {{"-no-wall"}, "15:42:00", 0.0, -300, nullptr},
    };
    double plain = 0.0;
    for (const auto& run : runs) {
        std::vector<std::string> options{"-root", "-fish", "0", "-no-bubbles"};
        options.insert(options.end(), run.options.begin(), run.options.end());
        SCOPED_TRACE(options.back() + " at " + run.time);
        WriteFile(settings, run.litAtLeast == 0 ? "" : "[Aquarium Settings]\nBACKGROUND=1\n");
        server.Run("xsetroot -solid red");
        const pid_t pid = app.Start(options, LocalTimeAt(run.time));
        double brightness = 0.0;
        int lit = 0;
        // Two captures in a row that agree: a frame half drawn passes no test.
        double before = -1.0;
        const auto shows = [&](const ScreenCapture& screen) {
            if (!screen.RootCovered()) return false;
            const double previous = before;
            brightness = before = MeanBrightness(screen);
            lit = screen.LitIn(0, 0, screen.width, screen.height);
            if (run.litAtLeast != 0) {
                return run.litAtLeast > 0 ? lit >= run.litAtLeast : lit <= -run.litAtLeast;
            }
            const bool steady = std::fabs(brightness - previous) <= 0.02 * brightness;
            if (run.brightnessShare < 0.0) {
                return steady && brightness <= -run.brightnessShare * plain;
            }
            return steady && brightness >= run.brightnessShare * plain &&
                   (run.brightnessShare == 0.0 ||
                    brightness <= (2.0 - run.brightnessShare) * plain);
        };
        EXPECT_TRUE(WaitForScreen(server, shows, 60000))
            << app.Output() << " brightness " << brightness << " of " << plain << ", lit " << lit;
        if (&run == &runs[0]) plain = brightness;
        EXPECT_TRUE(shows(CaptureScreen(server))) << "brightness " << brightness << ", lit " << lit;
        if (run.screenshot) SaveScreenshot(server, std::string("time-of-day-") + run.screenshot);
        EXPECT_EQ(app.Terminate(pid), 0) << app.Output();
    }
}
