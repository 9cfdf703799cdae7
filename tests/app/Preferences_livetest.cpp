#include <gtest/gtest.h>

#include "core/scene/AquariumScene.h"
#include "platform/ProgramNames.h"
#include "support/LiveTank.h"
#include "ui/DialogControlIds.h"

// The dialog opens from the ninth entry with the keyboard. A change shows in
// the tank while it is open; Escape puts it back and writes nothing, Enter
// keeps it and writes it.
TEST(PreferencesDialog, ChangesShowAtOnceEscapePutsThemBackAndEnterWritesThem) {
    LiveTank tank(1024, 768, "");
    tank.Run([](LiveTank& tank) {
        const std::string started = ReadFile(tank.SettingsPath());
        const auto lightReduction = [](int value) {
            return [value](const AquariumScene& s) { return s.Settings().lightReduction == value; };
        };
        for (const char* leave : {"Escape", "Return"}) {
            SCOPED_TRACE(leave);
            tank.Server().ChooseFromMenu(100, 100, 8);  // "  Preferences..."
            LiveDialog dialog(tank, DialogTitle("Preferences"));
            ASSERT_TRUE(dialog.Shown());
            EXPECT_TRUE(
                PollUntil([&] { return tank.Server().HasFocus(dialog.Window()); }, kPatientMs));
            dialog.Click(preference_ids::kLight);
            tank.Server().Run("xdotool key Home");
            EXPECT_TRUE(tank.WaitFor(lightReduction(100))) << "dark at once";
            tank.Server().Run(std::string("xdotool key ") + leave);
            EXPECT_TRUE(dialog.Gone());
            if (leave == std::string("Escape")) {
                EXPECT_TRUE(tank.WaitFor(lightReduction(0))) << "the light is back";
                EXPECT_EQ(ReadFile(tank.SettingsPath()), started);
            }
        }
        EXPECT_TRUE(tank.Read<bool>(lightReduction(100)));
        const std::string kept = ReadFile(tank.SettingsPath());
        EXPECT_NE(kept.find("LIGHTQIANGDU=100"), std::string::npos) << kept;
        EXPECT_NE(kept.find("[Velmar]"), std::string::npos) << kept;
    });
}
