#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/AppSession.h"
#include "support/ScreenCapture.h"

namespace {
constexpr int kStartTimeoutMs = 30000;
constexpr int kLeft = 300;
constexpr int kTop = 200;
using Rgb = std::array<std::uint8_t, 3>;
constexpr Rgb kIconColumn{219, 216, 209};
constexpr Rgb kTextColumn{249, 248, 247};
constexpr Rgb kHighlight{177, 185, 207};
constexpr Rgb kBlack{0, 0, 0};

// The menu, 140 x 432, with its top-left corner at (kLeft, kTop).
bool MenuShown(const ScreenCapture& screen) {
    return screen.At(kLeft + 3, kTop + 2) == kIconColumn &&
           screen.At(kLeft + 24, kTop + 431) == kIconColumn &&
           screen.At(kLeft + 25, kTop + 2) == kTextColumn &&
           screen.At(kLeft + 139, kTop + 431) == kTextColumn &&
           screen.At(kLeft + 140, kTop + 200) != kTextColumn &&
           screen.At(kLeft + 70, kTop + 432) != kTextColumn;
}

// Entry `index` framed in black and filled in lavender.
bool Highlighted(const ScreenCapture& screen, int index) {
    const int top = kTop + 48 * index;
    return screen.At(kLeft, top + 10) == kBlack && screen.At(kLeft + 139, top + 40) == kBlack &&
           screen.At(kLeft + 1, top + 2) == kHighlight &&
           screen.At(kLeft + 130, top + 46) == kHighlight;
}

std::string At(int x, int y) {
    return std::to_string(x) + " " + std::to_string(y);
}

struct OpenMenu {
    explicit OpenMenu(int width = 1024, int height = 768) : server(width, height), app(server) {}
    void Start() {
        pid = app.Start();
        ASSERT_TRUE(app.WaitForWindow(kStartTimeoutMs)) << app.Output();
        app.TakeKeyboard();
        app.RunOnDisplay("xdotool mousemove " + At(kLeft, kTop) + " click 3");
        ASSERT_TRUE(WaitForScreen(server, MenuShown)) << app.Output();
    }
    XServer server;
    AppSession app;
    pid_t pid = 0;
};
}  // namespace

TEST(PopupMenu, ARightClickOpensNineEntriesAtThePointerAndHoveringHighlightsOne) {
    OpenMenu menu;
    menu.Start();
    SaveScreenshot(menu.server.Display(), "popup-menu.png");
    menu.app.RunOnDisplay("xdotool mousemove " + At(kLeft + 70, kTop + 48 * 2 + 20));
    EXPECT_TRUE(
        WaitForScreen(menu.server, [](const ScreenCapture& s) { return Highlighted(s, 2); }));
    EXPECT_TRUE(menu.app.IsRunning(menu.pid));
}

TEST(PopupMenu, EscapeClosesOnlyTheMenu) {
    OpenMenu menu;
    menu.Start();
    menu.app.RunOnDisplay("xdotool key Escape");
    EXPECT_TRUE(WaitForScreen(menu.server, [](const ScreenCapture& s) { return !MenuShown(s); }));
    EXPECT_TRUE(menu.app.IsRunning(menu.pid));
    EXPECT_TRUE(menu.app.TraceLines().empty());
}

TEST(PopupMenu, ExitEndsTheProgramWithStatusZeroAfterTearingTheSceneDownOnce) {
    OpenMenu menu;
    menu.Start();
    menu.app.RunOnDisplay("xdotool mousemove " + At(kLeft + 70, kTop + 48 * 8 + 24) + " click 1");
    EXPECT_EQ(menu.app.WaitForExit(menu.pid, 15000), 0) << menu.app.Output();
    EXPECT_EQ(menu.app.TraceLines(), std::vector<std::string>{"DestroyScene"});
}

TEST(PopupMenu, TheMenuKeysOpenItAtThePointerAndTheArrowsAndEnterChoose) {
    XServer server(1024, 768);
    AppSession app(server);
    const pid_t pid = app.Start();
    ASSERT_TRUE(app.WaitForWindow(kStartTimeoutMs)) << app.Output();
    app.TakeKeyboard();
    app.RunOnDisplay("xdotool mousemove " + At(kLeft, kTop) + " key Menu");
    ASSERT_TRUE(WaitForScreen(server, MenuShown)) << app.Output();
    app.RunOnDisplay("xdotool key Escape");
    ASSERT_TRUE(WaitForScreen(server, [](const ScreenCapture& s) { return !MenuShown(s); }));
    app.RunOnDisplay("xdotool key shift+F10");
    ASSERT_TRUE(WaitForScreen(server, MenuShown));
    // Up from no entry lands on the last one, Exit.
    app.RunOnDisplay("xdotool key Up");
    EXPECT_TRUE(WaitForScreen(server, [](const ScreenCapture& s) { return Highlighted(s, 8); }));
    app.RunOnDisplay("xdotool key Return");
    EXPECT_EQ(app.WaitForExit(pid, 15000), 0) << app.Output();
}

// As desktop menus do: a right click elsewhere on the tank moves the menu
// there, and a right press dragged to an entry chooses it where it is let go.
TEST(PopupMenu, ARightClickElsewhereMovesItAndAPressDraggedToAnEntryChoosesIt) {
    OpenMenu menu;
    menu.Start();
    menu.app.RunOnDisplay("xdotool mousemove 600 150 click 3");
    EXPECT_TRUE(WaitForScreen(menu.server, [](const ScreenCapture& s) {
        return s.At(603, 152) == kIconColumn && !MenuShown(s);
    }));
    menu.app.RunOnDisplay("xdotool mousemove " + At(kLeft, kTop) +
                          " mousedown 3 sleep 0.3 mousemove " + At(kLeft + 70, kTop + 48 * 8 + 24) +
                          " sleep 0.3 mouseup 3");
    EXPECT_EQ(menu.app.WaitForExit(menu.pid, 15000), 0) << menu.app.Output();
    EXPECT_EQ(menu.app.TraceLines(), std::vector<std::string>{"DestroyScene"});
}
