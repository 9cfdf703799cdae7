#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "music/PlayList.h"
#include "platform/Random.h"
#include "settings/CustomImagesSettings.h"
#include "settings/ListSection.h"
#include "settings/ProfileText.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTestFiles.h"
#include "support/AppSession.h"
#include "support/ScreenCapture.h"

namespace {
namespace fs = std::filesystem;
using std::chrono::milliseconds;

constexpr int kStartTimeoutMs = 30000;
constexpr int kRuns = 5;
const char kFishDialog[] = "Fish Settings - Velmar Screensaver 1.0";
const char kMusicDialog[] = "Custom Music - Velmar Screensaver 1.0";
const char kBackgroundDialog[] = "Custom Background - Velmar Screensaver 1.0";
// The menu opens here.
constexpr int kMenuX = 100;
constexpr int kMenuY = 100;

const std::vector<std::string> kMusic{"/music/first song.mp3", "/music/second.ogg"};
const std::vector<std::string> kImages{"/pictures/reef.jpg"};

// Both lists, and a megabyte of someone else's notes, so that each save
// writes long enough for some kills to land in the middle of one.
std::string StartingFile() {
    ListSection music;
    music.rows = kMusic;
    ListSection images;
    images.rows = kImages;
    ProfileText profile("[Notes]\n" + std::string(1 << 20, ';') + "\n");
    profile.Set(kFishNumberSection, "Fish3", "5");
    WriteListFlags(music, profile, kCustomMusicKeys);
    WriteListRows(music, profile, kCustomMusicKeys);
    WriteListFlags(images, profile, kCustomImagesKeys);
    WriteListRows(images, profile, kCustomImagesKeys);
    return profile.Text();
}

void Sleep(int ms) {
    std::this_thread::sleep_for(milliseconds(ms));
}

std::string FindWindow(const AppSession& app, const std::string& title) {
    const std::string found =
        app.RunOnDisplay("xdotool search --onlyvisible --name '^" + title + "$'");
    return found.substr(0, found.find('\n'));
}

std::string WaitForWindowTitled(const AppSession& app, const std::string& title) {
    for (int waited = 0; waited < 15000; waited += 100) {
        const std::string window = FindWindow(app, title);
        if (!window.empty()) return window;
        Sleep(100);
    }
    return "";
}

// Shows the dialog from the menu, or hides it (which saves its list) when shown.
void ToggleDialog(const AppSession& app, const XServer& server, const std::string& title,
                  int entry) {
    const std::string shown = FindWindow(app, title);
    if (shown.empty()) {
        ChooseFromMenu(server, kMenuX, kMenuY, entry);
    } else {
        SendCloseRequest(server.Display(), shown);
    }
}

std::vector<std::string> LeftTemporaries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name != "VelmarSet.ini") names.push_back(name);
    }
    return names;
}
}  // namespace

// Each run saves again and again (a fish added or taken away every half
// second, the music and background dialogs shown and hidden) until a kill at
// a moment drawn from the program's own generator; the file is then always a
// whole one: the old lists or the new.
TEST(SettingsCrashSafety, AKilledProgramLeavesTheOldOrTheNewFileAndItsLeftoversGoNextStart) {
    XServer server(1024, 768);
    AppSession app(server);
    const fs::path file = app.WorkDir() / "VelmarSet.ini";
    WriteTextFile(file, StartingFile());
    const std::string notes = "[Notes]\n" + std::string(1 << 20, ';') + "\n";
    ResetCrtRand();
    pid_t killed = 0;
    for (int run = 0; run < kRuns; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        const pid_t pid = app.Start();
        ASSERT_TRUE(app.WaitForWindow(kStartTimeoutMs)) << app.Output();
        // The menu opens once the scene draws.
        ASSERT_TRUE(WaitForScreen(
            server, [](const ScreenCapture& screen) { return screen.IsDrawn(2, 765); },
            kStartTimeoutMs));
        app.TakeKeyboard();
        ChooseFromMenu(server, kMenuX, kMenuY, 5);
        const std::string fish = WaitForWindowTitled(app, kFishDialog);
        ASSERT_FALSE(fish.empty()) << app.Output();
        // The start has cleared what the last kill left.
        EXPECT_EQ(LeftTemporaries(app.WorkDir()), std::vector<std::string>{});

        const auto killAt = std::chrono::steady_clock::now() + milliseconds(CrtRand() % 4000);
        for (int step = 0; std::chrono::steady_clock::now() < killAt; ++step) {
            // Species 3 is the fourth picture of the first row; a double click
            // adds a fish, a right double click takes one away.
            app.RunOnDisplay("xdotool mousemove --window " + fish + " 350 45 click --repeat 2 " +
                             (step % 2 == 0 ? "1" : "3"));
            if (step % 4 == 1) ToggleDialog(app, server, kMusicDialog, 6);
            if (step % 4 == 3) ToggleDialog(app, server, kBackgroundDialog, 7);
            Sleep(500);
        }
        kill(pid, SIGKILL);
        app.WaitForExit(pid, 5000);
        killed = pid;

        const std::string text = ReadTextFile(file);
        const ProfileText profile(text);
        EXPECT_NE(text.find(notes), std::string::npos) << "the notes survive whole";
        const std::string count = profile.Get(kFishNumberSection, "Fish3");
        EXPECT_TRUE(!count.empty() && count.find_first_not_of("0123456789") == std::string::npos)
            << count;
        EXPECT_EQ(ReadListSection(profile, kCustomMusicKeys).rows, kMusic);
        EXPECT_EQ(ReadListSection(profile, kCustomImagesKeys).rows, kImages);
        // As a save killed between writing and renaming leaves it.
        WriteTextFile(app.WorkDir() / ("VelmarSet.ini.tmp-" + std::to_string(pid) + "-9"), "half");
    }
    // A last start clears the last kill's file too, and a clean end leaves nothing else.
    const pid_t pid = app.Start();
    ASSERT_TRUE(app.WaitForWindow(kStartTimeoutMs)) << app.Output();
    app.PressKey("Escape");
    EXPECT_EQ(app.WaitForExit(pid, 10000), 0);
    EXPECT_EQ(LeftTemporaries(app.WorkDir()), std::vector<std::string>{}) << "after " << killed;
}
