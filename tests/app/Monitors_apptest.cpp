// The tank on a desktop of two monitors side by side (1280x800 each): which
// monitor it takes, one window on each, and a monitor that changes its size
// while the tank shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "core/desktop/Monitors.h"
#include "platform/ProgramNames.h"
#include "support/AppSession.h"
#include "support/ProcessorTime.h"
#include "support/TestWindow.h"

// For the failure messages.
std::ostream& operator<<(std::ostream& out, const PixelRect& rect) {
    return out << rect.width << "x" << rect.height << "+" << rect.x << "+" << rect.y;
}

namespace {
using Rect = PixelRect;

constexpr Rect kFirst{0, 0, 1280, 800};
constexpr Rect kSecond{1280, 0, 1280, 800};

// Where the window's inside lies on the root, whatever frame the window
// manager put it in.
Rect PlaceOf(const XServer& server, const std::string& window) {
    Rect place;
    std::sscanf(server.Run("xdotool getwindowgeometry --shell " + window).c_str(),
                "WINDOW=%*d X=%d Y=%d WIDTH=%d HEIGHT=%d", &place.x, &place.y, &place.width,
                &place.height);
    return place;
}

// The places of the shown windows titled `title`, left to right, once they are
// `expected`; else the last ones seen.
std::vector<Rect> WaitForPlaces(const XServer& server, const std::string& title,
                                const std::vector<Rect>& expected) {
    std::vector<Rect> places;
    PollUntil(
        [&] {
            places.clear();
            for (const std::string& window : server.ShownWindows(title))
                places.push_back(PlaceOf(server, window));
            std::sort(places.begin(), places.end(),
                      [](const Rect& a, const Rect& b) { return a.x < b.x; });
            return places == expected;
        },
        kPatientMs, 100);
    return places;
}

}  // namespace

// With no option the tank takes the monitor under the pointer; --monitor N
// takes monitor N wherever the pointer is, and a number that names no monitor
// is refused in one line with status 2. The tank covers its monitor alone and
// follows it when the monitor's size changes.
TEST(Monitors, TheTankCoversTheMonitorUnderThePointerOrTheNamedOneAndFollowsItsSize) {
    for (const bool named : {false, true}) {
        SCOPED_TRACE(named ? "--monitor 0" : "the pointer's");
        const auto [output, monitor, other] =
            named ? std::tuple{"DUMMY0", kFirst, kSecond} : std::tuple{"DUMMY1", kSecond, kFirst};
        const XServer server = XServer::TwoMonitors();
        AppSession app(server);
        if (named) {
            EXPECT_EQ(app.WaitForExit(app.Start({"--monitor", "2"}), kPatientMs), 2);
            const std::string refusal = app.Output();
            EXPECT_EQ(refusal.rfind("velmar: ", 0), 0u) << refusal;
            EXPECT_EQ(std::count(refusal.begin(), refusal.end(), '\n'), 1) << refusal;
        }
        server.Run("xdotool mousemove 1500 400");
        const pid_t pid = app.Start(named ? std::vector<std::string>{"--monitor", "0"}
                                          : std::vector<std::string>{});
        ASSERT_EQ(WaitForPlaces(server, kWindowName, {monitor}), std::vector<Rect>{monitor})
            << app.Output();
        EXPECT_TRUE(WaitForTank(server, monitor)) << app.Output();
        EXPECT_FALSE(WaitForTank(server, other, 0)) << "the other monitor is left alone";

        server.Run(
            "xrandr --newmode 1024x768_60 63.50 1024 1072 1176 1328 768 771 775 798 -hsync"
            " +vsync; xrandr --addmode " +
            std::string(output) + " 1024x768_60 && xrandr --output " + output +
            " --mode 1024x768_60");
        const Rect shrunk{monitor.x, monitor.y, 1024, 768};
        EXPECT_EQ(WaitForPlaces(server, kWindowName, {shrunk}), std::vector<Rect>{shrunk});
        EXPECT_TRUE(app.IsRunning(pid)) << app.Output();
    }
}

// A window on each monitor, --all-monitors ended by one Escape, the wallpaper
// by SIGTERM; on a desktop that scales by two as well, the windows take the
// monitors' pixels. The wallpaper covered wholly by full-screen windows rests.
// The desktop matrix shows how it lies under other windows and leaves them the
// keyboard.
TEST(Monitors, AllMonitorsAndTheWallpaperDrawATankOnEachAndEndAtOnce) {
    for (const auto& [option, scale] :
         {std::pair{"--all-monitors", "GDK_SCALE=2"}, {"--wallpaper", "GDK_SCALE=1"}}) {
        SCOPED_TRACE(std::string(option) + " " + scale);
        const XServer server = XServer::TwoMonitors();
        AppSession app(server);
        const pid_t pid = app.Start({option}, {scale});
        ASSERT_EQ(WaitForPlaces(server, kWindowName, {kFirst, kSecond}),
                  (std::vector<Rect>{kFirst, kSecond}))
            << app.Output();
        for (const Rect& monitor : {kFirst, kSecond})
            ASSERT_TRUE(WaitForTank(server, monitor)) << app.Output();
        if (option == std::string("--all-monitors")) {
            app.TakeKeyboard();
            server.Run("xdotool key Escape");
            EXPECT_EQ(app.WaitForExit(pid, kPatientMs), 0) << app.Output();
            continue;
        }
        TestWindow covers[] = {{server, 0, 0, 1280, 800, "cover"},
                               {server, 1280, 0, 1280, 800, "cover"}};
        for (TestWindow& cover : covers) cover.MakeFullScreen();
        ASSERT_EQ(WaitForPlaces(server, "cover", {kFirst, kSecond}),
                  (std::vector<Rect>{kFirst, kSecond}));
        // Measured until the frame in flight and the window manager's moves settle.
        double covered = 1.0;
        EXPECT_TRUE(
            PollUntil([&] { return (covered = ProcessorShareOver(pid, 3)) < 0.1; }, kPatientMs))
            << "share of a processor while covered: " << covered;
        EXPECT_EQ(app.Terminate(pid), 0) << app.Output();
    }
}
