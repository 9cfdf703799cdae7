#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/AppSession.h"
#include "support/ScreenCapture.h"

namespace {
constexpr int kStartTimeoutMs = 30000;
using Rgb = std::array<std::uint8_t, 3>;

// Blue along the top edge, red along the bottom; nothing else drawn: no
// background surface, no bubbles, no fish.
const char kGradientSettings[] =
    "[Aquarium Settings]\n"
    "BACK MANJIANBIAN=1\n"
    "BACKGROUND=1\n"
    "BACK COLOR1=16711680\n"
    "BACK COLOR2=255\n"
    "QIPAONUM=110\n"
    "[Fish Number]\n"
    "Fish0=0\nFish1=0\nFish2=0\nFish3=0\nFish4=0\n"
    "Fish5=0\nFish6=0\nFish7=0\nFish8=0\nFish9=0\n";

// The middle pixel of a row's samples, so that a stray glyph or bubble on the
// row does not decide the colour.
Rgb RowColour(const ScreenCapture& screen, int y) {
    std::array<Rgb, 5> samples;
    for (int i = 0; i < 5; ++i) samples[i] = screen.At(screen.width * (2 * i + 1) / 10, y);
    std::sort(samples.begin(), samples.end(),
              [](const Rgb& a, const Rgb& b) { return a[0] + a[1] + a[2] < b[0] + b[1] + b[2]; });
    return samples[2];
}

bool TopBlueBottomRed(const ScreenCapture& screen) {
    if (screen.width == 0) return false;
    const Rgb top = RowColour(screen, 2);
    const Rgb bottom = RowColour(screen, screen.height - 3);
    return top[2] > 180 && top[0] < 80 && top[1] < 40 && bottom[0] > 180 && bottom[2] < 80 &&
           bottom[1] < 40;
}

std::string Describe(const Rgb& c) {
    return std::to_string(c[0]) + "," + std::to_string(c[1]) + "," + std::to_string(c[2]);
}
}  // namespace

TEST(SettingsAtStartup, GradientBackdropShowsTheTwoColoursFromTheFile) {
    XServer server(800, 600);
    AppSession app(server);
    std::filesystem::create_directories(app.WorkDir());
    std::ofstream(app.WorkDir() / "VelmarSet.ini") << kGradientSettings;

    const pid_t pid = app.Start();
    ASSERT_TRUE(app.WaitForWindow(kStartTimeoutMs));
    WaitForScreen(server, TopBlueBottomRed, 20000);
    const ScreenCapture screen = CaptureScreen(server.Display(), server.Width(), server.Height());
    ASSERT_EQ(screen.width, 800);
    SaveScreenshot(server.Display(), "settings_gradient_backdrop.png");
    EXPECT_TRUE(TopBlueBottomRed(screen)) << "top " << Describe(RowColour(screen, 2)) << " bottom "
                                          << Describe(RowColour(screen, screen.height - 3));
    // From top to bottom the blue falls and the red rises.
    const Rgb upper = RowColour(screen, screen.height / 4);
    const Rgb lower = RowColour(screen, screen.height * 3 / 4);
    EXPECT_GT(upper[2], lower[2]);
    EXPECT_LT(upper[0], lower[0]);

    EXPECT_TRUE(app.IsRunning(pid));
}
