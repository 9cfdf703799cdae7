#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/fish/FishSchool.h"
#include "core/interaction/MenuCommands.h"
#include "core/scene/AquariumScene.h"
#include "settings/SettingsTestFiles.h"
#include "support/LiveTank.h"
#include "support/ScreenCapture.h"

namespace {
using Counts = std::array<int, kSpeciesCount>;

// Chooses "  Add/Delete Fish" from the menu; the dialog's window id, or empty.
std::string OpenFishSettings(LiveTank& tank) {
    tank.ChooseFromMenu(100, 100, 5);
    std::string dialog;
    for (int waited = 0; waited < 10000 && dialog.empty(); waited += 100) {
        dialog = tank.Output("xdotool search --name '^Fish Settings - Velmar Screensaver 1.0$'");
        if (dialog.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return dialog.substr(0, dialog.find('\n'));
}
}  // namespace

TEST(FishSettingsDialog, ClearThenTwoAddsOnSpecies3LeaveTwoFishOfIt) {
    LiveTank tank(1024, 768, "[Fish Number]\nFish0=5\nFish3=7\nFish9=4\n");
    tank.Run([](LiveTank& tank) {
        const std::string dialog = OpenFishSettings(tank);
        ASSERT_FALSE(dialog.empty());
        // Species 3 is the fourth picture of the first row.
        tank.RunOnDisplay("xdotool mousemove --window " + dialog + " 350 45 click 1 key c a a");
        EXPECT_TRUE(tank.WaitFor(
            [](auto& s) { return s.SpeciesCounts() == Counts{0, 0, 0, 2, 0, 0, 0, 0, 0, 0}; },
            10000));
        SaveScreenshot(tank.Server().Display(), "fish-settings.png");
        tank.RunOnDisplay("xdotool key Escape");
        EXPECT_TRUE(tank.WaitFor([](auto& s) { return s.Mode() == kCommandCatch; }, 10000));
        const std::string file = ReadTextFile(tank.SettingsPath());
        EXPECT_NE(file.find("Fish3=2"), std::string::npos) << file;
        EXPECT_NE(file.find("Fish0=0"), std::string::npos) << file;
        const auto swimming = tank.Read<std::array<int, 2>>([](auto& s) {
            const SpeciesRanges ranges = SpeciesRangesFor(s.SpeciesCounts());
            return std::array<int, 2>{ranges.total, SpeciesOfSlot(ranges, 1)};
        });
        EXPECT_EQ(swimming, (std::array<int, 2>{2, 3}));
    });
}

// A settings file that cannot be read takes no edits: the counts the user set
// live on in the tank, and the dialog starts from them the next time.
TEST(FishSettingsDialog, StartsFromTheSwimmingCountsWhenTheFileCannotTakeThem) {
    LiveTank tank(1024, 768, "");
    std::filesystem::remove(tank.SettingsPath());
    ASSERT_EQ(mkfifo(tank.SettingsPath().c_str(), 0600), 0);
    tank.Run([](LiveTank& tank) {
        const Counts two{0, 0, 0, 2, 0, 0, 0, 0, 0, 0};
        for (int visit = 0; visit < 2; ++visit) {
            const std::string dialog = OpenFishSettings(tank);
            ASSERT_FALSE(dialog.empty());
            if (visit == 0) {
                tank.RunOnDisplay("xdotool mousemove --window " + dialog +
                                  " 350 45 click 1 key c a a");
            }
            EXPECT_TRUE(tank.WaitFor([&](auto& s) { return s.SpeciesCounts() == two; }, 10000));
            // Two saves of the dialog's counts.
            std::this_thread::sleep_for(std::chrono::milliseconds(1200));
            EXPECT_EQ(tank.Read<Counts>([](auto& s) { return s.SpeciesCounts(); }), two) << visit;
            tank.RunOnDisplay("xdotool key Escape");
            EXPECT_TRUE(tank.WaitFor([](auto& s) { return s.Mode() == kCommandCatch; }, 10000));
        }
    });
}
