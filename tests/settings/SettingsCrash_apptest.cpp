#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "core/music/PlayList.h"
#include "core/settings/CustomImagesSettings.h"
#include "core/settings/ListSection.h"
#include "core/settings/ProfileText.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/StartupSettings.h"
#include "platform/posix/Random.h"
#include "resources/DeclaredPictures.h"
#include "settings/SettingsTestFiles.h"
#include "support/AppSession.h"
#include "support/ScreenCapture.h"

namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kStartTimeoutMs = 30000;
constexpr int kWindowTimeoutMs = 15000;
constexpr int kRuns = 4;
// About one half of a round of the steps below on a busy machine under the
// sanitizers; every other run starts with the second half.
constexpr int kLongestRunMs = 8000;
constexpr int kStepMs = 500;
const char kFishDialog[] = "Fish Settings - Velmar Screensaver 1.0";
const char kMusicDialog[] = "Custom Music - Velmar Screensaver 1.0";
const char kBackgroundDialog[] = "Custom Background - Velmar Screensaver 1.0";
// The menu opens here, clear of every dialog on a 1024x768 screen.
constexpr int kMenuX = 100;
constexpr int kMenuY = 100;
enum MenuEntry { kFishEntry = 5, kMusicEntry = 6, kBackgroundEntry = 7 };

// The lists, and a megabyte of someone else's notes, so that each save
// writes long enough for some kills to land in the middle of one. The
// picture must load: one that does not is reported in a box that holds the
// start up, and is dropped from the list.
std::string StartingFile(const std::vector<std::string>& music,
                         const std::vector<std::string>& images, const std::string& notes) {
    ListSection musicList;
    musicList.rows = music;
    ListSection imageList;
    imageList.rows = images;
    ProfileText profile(notes);
    profile.Set(kFishNumberSection, "Fish3", "5");
    WriteListFlags(musicList, profile, kCustomMusicKeys);
    WriteListRows(musicList, profile, kCustomMusicKeys);
    WriteListFlags(imageList, profile, kCustomImagesKeys);
    WriteListRows(imageList, profile, kCustomImagesKeys);
    return profile.Text();
}

std::vector<std::string> LeftTemporaries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name != "VelmarSet.ini") names.push_back(name);
    }
    return names;
}

// Drives the saves one step at a time, round and round: the Fish Settings
// dialog, which saves its counts every half second, gains fish of species 3;
// then the music and the background dialogs are shown and hidden (each hide
// writes its section). The fish dialog is modal, so the others wait until it
// is closed, which saves it.
class SaveDriver {
  public:
    SaveDriver(const XServer& server, const AppSession& app) : server_(server), app_(app) {}

    // False when a dialog did not come.
    bool Step(int step) {
        switch (step % 10) {
            case 0:
                return Open(kFishEntry, kFishDialog, fish_);
            case 1:
            case 2:
            case 3:
            case 4:
                return AddFish();
            case 5:
                return Close(fish_);
            case 6:
                // The menu opens only once the fish dialog is gone.
                if (!Open(kMusicEntry, kMusicDialog, music_)) return false;
                savedFish_ = addedFish_;
                return true;
            case 7:
                return Open(kBackgroundEntry, kBackgroundDialog, background_);
            case 8:
                return Close(music_);
            default:
                return Close(background_);
        }
    }
    // Fish asked for, and of those surely saved.
    int AddedFish() const { return addedFish_; }
    int SavedFish() const { return savedFish_; }

  private:
    bool Open(MenuEntry entry, const char* title, std::string& window) {
        window.clear();
        // A busy machine may lose the first choice; a second one is made.
        for (int attempt = 0; attempt < 2 && window.empty(); ++attempt) {
            ChooseFromMenu(server_, kMenuX, kMenuY, entry);
            window = app_.WaitForVisibleWindow(title, kWindowTimeoutMs);
        }
        return !window.empty();
    }
    bool Close(const std::string& window) {
        SendCloseRequest(server_.Display(), window);
        return true;
    }
    // A click picks species 3, the fourth picture of the first row, and gives
    // the dialog the keyboard; A adds one.
    bool AddFish() {
        app_.RunOnDisplay("xdotool mousemove --window " + fish_ + " 350 45 click 1 key a");
        ++addedFish_;
        return true;
    }

    const XServer& server_;
    const AppSession& app_;
    std::string fish_;
    std::string music_;
    std::string background_;
    int addedFish_ = 0;
    int savedFish_ = 0;
};

int FishCount(const std::string& text) {
    const std::string count = ProfileText(text).Get(kFishNumberSection, "Fish3");
    return count.empty() || count.find_first_not_of("0123456789") != std::string::npos
               ? -1
               : std::stoi(count);
}
}  // namespace

// Each run saves again and again until a kill at a moment drawn from the
// program's own generator; the file is then always a whole one, the old or
// the new, and the next start removes what the kill left behind.
TEST(SettingsCrashSafety, AKilledProgramLeavesTheOldOrTheNewFileAndItsLeftoversGoNextStart) {
    XServer server(1024, 768);
    AppSession app(server);
    const fs::path file = app.WorkDir() / "VelmarSet.ini";
    const fs::path picture = app.Root() / "reef.bmp";
    std::vector<std::uint8_t> bluePixel = BmpDeclaring(1, 1);
    bluePixel.insert(bluePixel.end(), {255, 0, 0, 0});
    WriteBytes(picture.string(), bluePixel);
    const std::vector<std::string> music{"/music/first song.mp3", "/music/second.ogg"};
    const std::vector<std::string> images{picture.string()};
    const std::string notes = "[Notes]\n" + std::string(1 << 20, ';') + "\n";
    WriteTextFile(file, StartingFile(music, images, notes));
    ResetCrtRand();
    pid_t killed = 0;
    for (int run = 0; run < kRuns; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        const int fishBefore = FishCount(ReadTextFile(file));
        const pid_t pid = app.Start();
        ASSERT_TRUE(app.WaitForWindow(kStartTimeoutMs))
            << (app.IsRunning(pid) ? "still starting\n" : "ended\n") << app.Output();
        // The menu opens once the scene draws.
        ASSERT_TRUE(WaitForScreen(
            server, [](const ScreenCapture& screen) { return screen.IsDrawn(2, 765); },
            kStartTimeoutMs))
            << app.Output();
        // Unless another process took the killed one's id since: its file is then kept.
        if (killed == 0 || kill(killed, 0) != 0) {
            EXPECT_EQ(LeftTemporaries(app.WorkDir()), std::vector<std::string>{})
                << "the start clears what the last kill left";
        }

        const auto killAt = Clock::now() + milliseconds(CrtRand() % kLongestRunMs);
        SaveDriver driver(server, app);
        for (int step = run % 2 == 0 ? 0 : 6; Clock::now() < killAt; ++step) {
            ASSERT_TRUE(driver.Step(step)) << "step " << step << "\n" << app.Output();
            std::this_thread::sleep_until(std::min(Clock::now() + milliseconds(kStepMs), killAt));
        }
        kill(pid, SIGKILL);
        app.WaitForExit(pid, 5000);
        killed = pid;

        const std::string text = ReadTextFile(file);
        const ProfileText profile(text);
        EXPECT_NE(text.find(notes), std::string::npos) << "the notes survive whole";
        const int fish = FishCount(text);
        // The last save before the kill counted some of the fish asked for.
        EXPECT_GE(fish, fishBefore + driver.SavedFish());
        EXPECT_LE(fish, fishBefore + driver.AddedFish());
        EXPECT_EQ(ReadListSection(profile, kCustomMusicKeys).rows, music);
        EXPECT_EQ(ReadListSection(profile, kCustomImagesKeys).rows, images);
        // What a save killed between writing and renaming leaves.
        WriteTextFile(app.WorkDir() / ("VelmarSet.ini.tmp-" + std::to_string(pid) + "-9"), "half");
    }
    // A last start clears the last kill's file, and a clean end leaves nothing else.
    const pid_t pid = app.Start();
    ASSERT_TRUE(app.WaitForWindow(kStartTimeoutMs)) << app.Output();
    app.PressKey("Escape");
    EXPECT_EQ(app.WaitForExit(pid, 10000), 0);
    EXPECT_EQ(LeftTemporaries(app.WorkDir()), std::vector<std::string>{});
}
