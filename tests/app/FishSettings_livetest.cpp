#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/interaction/MenuCommands.h"
#include "core/scene/AquariumScene.h"
#include "platform/ProgramNames.h"
#include "support/LiveTank.h"

// A settings file that cannot be read takes no edits: the counts the user set
// live on in the tank, and the dialog starts from them the next time.
TEST(FishSettingsDialog, ClearAndAddsReachTheTankAndStayWhenTheFileCannotTakeThem) {
    using Counts = std::array<int, kSpeciesCount>;
    LiveTank tank(1024, 768, "");
    std::filesystem::remove(tank.SettingsPath());
    ASSERT_EQ(mkfifo(tank.SettingsPath().c_str(), 0600), 0);
    tank.Run([](LiveTank& tank) {
        const Counts two{0, 0, 0, 2, 0, 0, 0, 0, 0, 0};
        for (int visit = 0; visit < 2; ++visit) {
            tank.Server().ChooseFromMenu(100, 100, 5);  // "  Add/Delete Fish"
            const std::string dialog = tank.Server().WaitForWindow(DialogTitle("Fish Settings"));
            ASSERT_FALSE(dialog.empty());
            // Species 3 is the fourth picture of the first row.
            if (visit == 0) {
                tank.Server().Run("xdotool mousemove --window " + dialog +
                                  " 350 45 click 1 key c a a");
            }
            EXPECT_TRUE(tank.WaitFor([&](auto& s) { return s.SpeciesCounts() == two; }, 10000));
            // Two saves of the dialog's counts.
            std::this_thread::sleep_for(std::chrono::milliseconds(1200));
            EXPECT_EQ(tank.Read<Counts>([](auto& s) { return s.SpeciesCounts(); }), two) << visit;
            tank.Server().Run("xdotool key Escape");
            EXPECT_TRUE(
                tank.WaitFor([](auto& s) { return s.CurrentMode() == Mode::kCatch; }, 10000));
        }
    });
}
