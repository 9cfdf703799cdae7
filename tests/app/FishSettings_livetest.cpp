#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "core/interaction/MenuCommands.h"
#include "core/scene/AquariumScene.h"
#include "platform/ProgramNames.h"
#include "support/LiveTank.h"

// A settings file that cannot be read takes no edits: the counts the user set
// live on in the tank, and the dialog starts from them the next time, so one
// more added there makes three, not one.
TEST(FishSettingsDialog, ClearAndAddsReachTheTankAndStayWhenTheFileCannotTakeThem) {
    LiveTank tank(1024, 768, "");
    std::filesystem::remove(tank.SettingsPath());
    ASSERT_EQ(mkfifo(tank.SettingsPath().c_str(), 0600), 0);
    tank.Run([](LiveTank& tank) {
        for (const auto& [keys, count] : {std::pair{"c a a", 2}, {"a", 3}}) {
            SCOPED_TRACE(keys);
            tank.Server().ChooseFromMenu(100, 100, 5);  // "  Add/Delete Fish"
            const std::string dialog = tank.Server().WaitForWindow(DialogTitle("Fish Settings"));
            ASSERT_FALSE(dialog.empty());
            // Species 3 is the fourth picture of the first row.
            tank.Server().Run("xdotool mousemove --window " + dialog + " 350 45 click 1 key " +
                              keys);
            std::array<int, kSpeciesCount> counts{};
            counts[3] = count;
            EXPECT_TRUE(tank.WaitFor([&](auto& s) { return s.SpeciesCounts() == counts; }));
            tank.Server().Run("xdotool key Escape");
            EXPECT_TRUE(tank.WaitFor([](auto& s) { return s.CurrentMode() == Mode::kCatch; }));
        }
    });
}
