#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/settings/ProfileText.h"
#include "core/settings/SettingsFile.h"
#include "platform/ProgramNames.h"
#include "platform/posix/SingleInstanceGuard.h"
#include "support/AppSession.h"

// Either guard held by a running copy ends a new one quietly, whatever else
// the new one's environment says: started from a shell without the desktop's
// runtime folder, or naming the display another way. The guards go with the
// process that held them, however it ended.
TEST(Startup, ASecondCopyOnTheDisplayEndsWithStatusZeroWhateverItsEnvironment) {
    XServer server(800, 600);
    AppSession app(server);
    const std::filesystem::path elsewhere = app.Root() / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    const pid_t first = app.Start();
    ASSERT_TRUE(app.WaitForWindow()) << app.Output();
    const std::vector<std::string> environments[] = {
        {},
        {"XDG_RUNTIME_DIR", "TMPDIR=" + elsewhere.string(), "HOME=" + elsewhere.string()},
        {"DISPLAY=" + server.Display() + ".0"},
    };
    for (const std::vector<std::string>& environment : environments) {
        SCOPED_TRACE(environment.empty() ? "the same" : environment.front());
        EXPECT_EQ(app.WaitForExit(app.Start({}, environment), kPatientMs), 0) << app.Output();
    }
    EXPECT_EQ(server.ShownWindows(kWindowName).size(), 1u);
    EXPECT_TRUE(app.IsRunning(first));
    kill(first, SIGKILL);
    app.WaitForExit(first, kPatientMs);

    // Only the second guard held, here by the test itself.
    const SingleInstanceGuard secondGuard(kWindowName, server.Display());
    ASSERT_FALSE(secondGuard.AlreadyHeldElsewhere());
    EXPECT_EQ(app.WaitForExit(app.Start(), kPatientMs), 0) << app.Output();
}

// Without a temporary folder the set-up stops at its message: the window is
// cleared, not left the toolkit's grey, and its menu works. Add/Delete Fish
// starts from the settings file's counts, which the tank never took, and
// keeps them.
TEST(Startup, WithoutATemporaryFolderTheMenuWorksAndTheFileKeepsItsFish) {
    XServer server(800, 600);
    AppSession app(server);
    const std::filesystem::path settings = app.WorkDir() / "VelmarSet.ini";
    WriteFile(settings, "[Fish Number]\r\nFish3=7\r\n");
    app.Start({}, {"TMPDIR=/nonexistent"});
    const std::string box = server.WaitForWindow("ERROR", kPatientMs);
    ASSERT_FALSE(box.empty()) << app.Output();
    server.Close(box);
    EXPECT_TRUE(WaitForScreen(server, [](const ScreenCapture& screen) {
        return screen.IsBlack(400, 590) && screen.IsBlack(790, 300);
    })) << "the window is cleared";
    server.ChooseFromMenu(100, 100, 5);  // "  Add/Delete Fish"
    const std::string title = DialogTitle("Fish Settings");
    const std::string dialog = server.WaitForWindow(title);
    ASSERT_FALSE(dialog.empty()) << app.Output();
    server.Close(dialog);
    ASSERT_TRUE(server.WaitForNoWindow(title));
    EXPECT_EQ(ProfileText(ReadFile(settings)).Get(kFishNumberSection, "Fish3"), "7");
}

// Escape and the signals end the program at once; the window manager's close
// tears the scene down first. Every way leaves nothing but the settings, and
// the music's volume for the next start.
TEST(Shutdown, EveryWayOfEndingARunningTankGivesStatusZeroAndLeavesOnlyTheSettings) {
    const std::pair<const char*, std::vector<std::string>> ways[] = {
        {"Escape", {}}, {"close", {"DestroyScene"}}, {"SIGTERM", {}}, {"SIGINT", {}}};
    for (const auto& [way, trace] : ways) {
        SCOPED_TRACE(way);
        XServer server(800, 600);
        AppSession app(server);
        const pid_t pid = app.Start();
        const auto window = app.WaitForWindow();
        ASSERT_TRUE(window) << app.Output();
        // Once a frame is on screen the set-up is done.
        ASSERT_TRUE(WaitForTank(server, {0, 0, 800, 600})) << "no frame drawn";
        if (way == std::string("Escape")) {
            app.TakeKeyboard();
            server.Run("xdotool key Escape");
        } else if (way == std::string("close")) {
            server.Close(*window);
        } else {
            kill(pid, way == std::string("SIGTERM") ? SIGTERM : SIGINT);
        }
        EXPECT_EQ(app.WaitForExit(pid, kPatientMs), 0) << app.Output();
        EXPECT_EQ(app.TraceLines(), trace);
        for (const auto& entry : std::filesystem::directory_iterator(app.WorkDir()))
            EXPECT_EQ(entry.path().filename(), "VelmarSet.ini");
        EXPECT_NE(ReadFile(app.Root() / ".VelmarScr").find("Volume=1000"), std::string::npos);
    }
}
