#include <gtest/gtest.h>

#include <unistd.h>
#include <climits>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <thread>

#include "settings/SettingsTestFiles.h"
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

namespace {
// The settings folder's files with their bytes, or the link's target.
std::map<std::string, std::string> FolderContents(const std::filesystem::path& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        contents[entry.path().filename().string()] =
            entry.is_symlink() ? "-> " + std::filesystem::read_symlink(entry.path()).string()
                               : ReadTextFile(entry.path());
    }
    return contents;
}

// Each way of refusing the save: how the folder is made so, and what it is called.
struct Refusal {
    const char* name;
    std::function<void(AppSession&, const std::filesystem::path& file)> prepare;
};
}  // namespace

TEST(SettingsAtStartup, AnUnwritableFolderKeepsTheFileToldOnceAndTheTankUsesWhatItRead) {
    namespace fs = std::filesystem;
    const Refusal refusals[] = {
        {"a folder the program may not write",
         [](AppSession& app, const fs::path& file) {
             if (geteuid() != 0) {
                 fs::permissions(file.parent_path(), fs::perms(0555));
                 return;
             }
             // Root writes anywhere: the program runs as nobody, in a folder of root's.
             for (const fs::path& dir : {app.Root(), app.ConfigHome(), file.parent_path()})
                 fs::permissions(dir, fs::perms(0755));
             for (const char* own : {"runtime", "tmp"})
                 ASSERT_EQ(chown((app.Root() / own).c_str(), 65534, 65534), 0);
             app.SetLauncher({"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"});
         }},
        {"a folder that takes no new name",
         [](AppSession&, const fs::path& file) {
             // The file links to a name as long as a name may be, so no
             // temporary file can be made beside it.
             const std::string longest(NAME_MAX, 'v');
             fs::rename(file, file.parent_path() / longest);
             fs::create_symlink(longest, file);
         }},
        {"a full disk",
         [](AppSession& app, const fs::path& file) {
             // Past 2 MB every write fails as on a full disk; the artwork fits.
             std::ofstream(file, std::ios::app) << "[Notes]\n" + std::string(3 << 20, ';') + "\n";
             app.SetLauncher({"sh", "-c", "trap '' XFSZ; ulimit -f 2048; exec \"$@\"", "sh"});
         }},
    };
    int shot = 0;
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        XServer server(800, 600);
        AppSession app(server);
        const fs::path file = app.WorkDir() / "VelmarSet.ini";
        fs::create_directories(app.WorkDir());
        std::ofstream(file) << kGradientSettings;
        refusal.prepare(app, file);
        const auto before = FolderContents(app.WorkDir());

        const pid_t pid = app.Start();
        // The start's repairs cannot be saved.
        const std::string message = app.WaitForVisibleWindow("Velmar", kStartTimeoutMs);
        ASSERT_FALSE(message.empty()) << app.Output();
        SaveScreenshot(server.Display(), "settings-not-saved-" + std::to_string(++shot) + ".png");
        SendCloseRequest(server.Display(), message);
        EXPECT_TRUE(WaitForScreen(server, TopBlueBottomRed, 20000));

        // Species 3 gains a fish in the Fish Settings dialog, saved within half a second.
        app.TakeKeyboard();
        ChooseFromMenu(server, 100, 100, 5);
        const std::string dialog =
            app.WaitForVisibleWindow("Fish Settings - Velmar Screensaver 1.0", 15000);
        ASSERT_FALSE(dialog.empty()) << app.Output();
        app.RunOnDisplay("xdotool mousemove --window " + dialog + " 350 45 click 1 key a");
        std::this_thread::sleep_for(std::chrono::milliseconds(2000));
        EXPECT_EQ(app.VisibleWindow("Velmar"), "") << "told only once";
        EXPECT_EQ(FolderContents(app.WorkDir()), before);
        EXPECT_TRUE(app.IsRunning(pid));
    }
}
