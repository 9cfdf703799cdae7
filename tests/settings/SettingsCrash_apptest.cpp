#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "core/settings/ProfileText.h"
#include "core/settings/SettingsFile.h"
#include "platform/ProgramNames.h"
#include "platform/runtime/Random.h"
#include "support/AppSession.h"

namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A count that is missing or no number reads as 0, below every count the test sets.
int FishCount(const std::string& text) {
    return std::atoi(ProfileText(text).Get(kFishNumberSection, "Fish3").c_str());
}
}  // namespace

// Each run saves again and again, the Fish Settings dialog every half second,
// until a kill at a moment drawn from the program's own generator; the file is
// then always a whole one, the old or the new, and the next start removes what
// the kill left behind. The Languages and Shutdown tests show a save without
// a kill and a clean end.
TEST(SettingsCrashSafety, AKilledProgramLeavesTheOldOrTheNewFileAndItsLeftoversGoNextStart) {
    XServer server(1024, 768);
    AppSession app(server);
    const fs::path file = app.WorkDir() / "VelmarSet.ini";
    // A megabyte of someone else's notes, so that each save writes long enough
    // for some kills to land in the middle of one.
    const std::string notes = "[Notes]\n" + std::string(1 << 20, ';') + "\n";
    ProfileText starting(notes);
    starting.Set(kFishNumberSection, "Fish3", "5");
    WriteFile(file, starting.Text());
    ResetCrtRand();
    pid_t killed = 0;
    for (int run = 0; run < 4; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        const int fishBefore = FishCount(ReadFile(file));
        const pid_t pid = app.Start();
        ASSERT_TRUE(app.WaitForWindow()) << app.Output();
        // The menu opens once the scene draws.
        ASSERT_TRUE(WaitForTank(server, {0, 0, 1024, 768})) << app.Output();
        // Unless another process took the killed one's id since: its file is then kept.
        if (killed == 0 || kill(killed, 0) != 0) {
            EXPECT_EQ(std::distance(fs::directory_iterator(app.WorkDir()), {}), 1)
                << "the start clears what the last kill left beside the settings";
        }

        const auto killAt = Clock::now() + milliseconds(CrtRand() % 8000);
        std::string dialog;
        int added = 0;
        while (Clock::now() < killAt) {
            if (dialog.empty()) {
                server.ChooseFromMenu(100, 100, 5);
                dialog = server.WaitForWindow(DialogTitle("Fish Settings"));
                ASSERT_FALSE(dialog.empty()) << app.Output();
            } else {
                // A click picks species 3, the fourth picture of the first row; A adds one.
                server.Run("xdotool mousemove --window " + dialog + " 350 45 click 1 key a");
                ++added;
            }
            std::this_thread::sleep_until(std::min(Clock::now() + milliseconds(500), killAt));
        }
        kill(pid, SIGKILL);
        app.WaitForExit(pid, kPatientMs);
        killed = pid;

        const std::string text = ReadFile(file);
        EXPECT_NE(text.find(notes), std::string::npos) << "the notes survive whole";
        EXPECT_GE(FishCount(text), fishBefore);
        EXPECT_LE(FishCount(text), fishBefore + added);
        // What a save killed between writing and renaming leaves.
        WriteFile(app.WorkDir() / ("VelmarSet.ini.tmp-" + std::to_string(pid) + "-9"), "half");
    }
}
