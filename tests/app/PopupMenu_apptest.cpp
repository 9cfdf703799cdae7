#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/interaction/PopupMenuLayout.h"
#include "platform/ProgramNames.h"
#include "support/AppSession.h"

namespace {
using Rgb = std::array<std::uint8_t, 3>;
constexpr Rgb kIconColumn{219, 216, 209};
constexpr Rgb kTextColumn{249, 248, 247};
constexpr Rgb kHighlight{177, 185, 207};
constexpr Rgb kBlack{0, 0, 0};

// The whole menu with its top-left corner at (left, top).
bool MenuAt(const ScreenCapture& screen, int left, int top) {
    const int bottom = top + kPopupHeight;
    return screen.At(left + 3, top + 2) == kIconColumn &&
           screen.At(left + 24, bottom - 1) == kIconColumn &&
           screen.At(left + 25, top + 2) == kTextColumn &&
           screen.At(left + kPopupWidth - 1, bottom - 1) == kTextColumn &&
           screen.At(left + kPopupWidth, top + 200) != kTextColumn &&
           screen.At(left + 70, bottom) != kTextColumn;
}

// Waits until the menu shows at (300, 200), or when `shown` is false, until it no longer does.
bool WaitForMenu(const XServer& server, bool shown = true) {
    return WaitForScreen(server,
                         [shown](const ScreenCapture& s) { return MenuAt(s, 300, 200) == shown; });
}
}  // namespace

// As desktop menus do: it opens at the pointer on a right click, the Menu key
// or Shift+F10; a right click elsewhere moves it, Escape closes it alone, the
// arrows and Enter choose, and a right press dragged to an entry chooses it
// where it is let go.
TEST(PopupMenu, OpensAtThePointerAndChoosesByClickKeysOrDrag) {
    XServer server(1024, 768);
    AppSession app(server);
    const pid_t pid = app.Start();
    ASSERT_TRUE(app.WaitForWindow()) << app.Output();
    app.TakeKeyboard();
    server.Run("xdotool mousemove 300 200 click 3");
    ASSERT_TRUE(WaitForMenu(server)) << app.Output();
    server.Run("xdotool mousemove 600 150 click 3");
    EXPECT_TRUE(WaitForMenu(server, false));
    EXPECT_TRUE(WaitForScreen(server, [](const ScreenCapture& s) { return MenuAt(s, 600, 150); }));
    server.Run("xdotool key Escape");
    EXPECT_TRUE(WaitForScreen(server, [](const ScreenCapture& s) { return !MenuAt(s, 600, 150); }));
    EXPECT_TRUE(app.IsRunning(pid)) << "Escape closed only the menu";

    // Up from no entry lands on the last one, Exit; two more is Custom Background.
    for (const char* keys : {"mousemove 300 200 key Menu", "key Escape", "key shift+F10"}) {
        server.Run(std::string("xdotool ") + keys);
        ASSERT_TRUE(WaitForMenu(server, keys != std::string("key Escape"))) << keys;
    }
    server.Run("xdotool key Up Up Up Return");
    const std::string title = DialogTitle("Custom Background");
    const std::string dialog = server.WaitForWindow(title);
    ASSERT_FALSE(dialog.empty()) << app.Output();
    server.Close(dialog);
    ASSERT_TRUE(server.WaitForNoWindow(title));
    EXPECT_TRUE(app.TraceLines().empty());

    // Entry 9, Exit, framed in black and filled in lavender under the pointer.
    server.Run("xdotool mousemove 300 200 mousedown 3");
    ASSERT_TRUE(WaitForMenu(server));
    server.Run("xdotool mousemove 370 656");
    ASSERT_TRUE(WaitForScreen(server, [](const ScreenCapture& s) {
        return s.At(300, 642) == kBlack && s.At(439, 672) == kBlack &&
               s.At(301, 634) == kHighlight && s.At(430, 678) == kHighlight;
    }));
    server.Run("xdotool mouseup 3");
    EXPECT_EQ(app.WaitForExit(pid, kPatientMs), 0) << app.Output();
    EXPECT_EQ(app.TraceLines(), std::vector<std::string>{"DestroyScene"});
}
