#include <gtest/gtest.h>

#include "core/dialogs/PreferencesModel.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/StartupSettings.h"
#include "support/TestSupport.h"

namespace {
AquariumSettings Hand() {
    AquariumSettings tank;
    tank.background = 2;  // the wall's sway runs, the wall is not drawn
    tank.backColor1 = 0x00FF00;
    tank.backColor2 = 0x102030;
    tank.lightReduction = 30;
    tank.bubbleAmount = 100;
    tank.volume = 32767;
    return tank;
}
}  // namespace

// The dialog speaks of percents and bubbles per column; a value the user
// leaves alone keeps its setting exactly, however it was written.
TEST(Preferences, EachChangeReachesItsKeyAndWhatIsLeftAloneStaysExactly) {
    const AquariumSettings tank = Hand();
    const Preferences shown = PreferencesOf(tank, VelmarSettings());
    EXPECT_FALSE(shown.wall);
    EXPECT_EQ(shown.lightPercent, 70);
    EXPECT_EQ(shown.bubblesPerColumn, 10);
    EXPECT_EQ(shown.tunePercent, 50);
    EXPECT_EQ(WithPreferences(tank, shown, shown).background, 2);
    EXPECT_EQ(WithPreferences(tank, shown, shown).volume, 32767);

    const struct {
        const char* what;
        void (*change)(Preferences&);
        int AquariumSettings::*field;
        int value;
    } cases[] = {
        {"wall on", [](Preferences& p) { p.wall = true; }, &AquariumSettings::background, 0},
        {"gradient", [](Preferences& p) { p.gradient = true; }, &AquariumSettings::backGradient, 1},
        {"top colour", [](Preferences& p) { p.topColour = 0xABCDEF; },
         &AquariumSettings::backColor1, 0xABCDEF},
        {"dark", [](Preferences& p) { p.lightPercent = 0; }, &AquariumSettings::lightReduction,
         100},
        {"no bubbles", [](Preferences& p) { p.bubblesPerColumn = 0; },
         &AquariumSettings::bubbleAmount, 110},
        {"loudest", [](Preferences& p) { p.tunePercent = 100; }, &AquariumSettings::volume, 0},
        {"silent", [](Preferences& p) { p.tunePercent = 0; }, &AquariumSettings::volume, 65535},
    };
    for (const auto& c : cases) {
        Preferences chosen = shown;
        c.change(chosen);
        const AquariumSettings changed = WithPreferences(tank, shown, chosen);
        EXPECT_EQ(changed.*c.field, c.value) << c.what;
        AquariumSettings rest = changed;
        rest.*c.field = tank.*c.field;
        EXPECT_EQ(rest.lightReduction, tank.lightReduction) << c.what;
        EXPECT_EQ(rest.background, tank.background) << c.what;
        EXPECT_EQ(rest.volume, tank.volume) << c.what;
    }
}

// OK writes the design's keys it changed, as numbers, and our whole section,
// which reads back as it was written; every other line stays.
TEST(Preferences, SavingWritesTheChangedKeysAndOurSectionAndKeepsTheRest) {
    TempDir home;
    ScopedEnv config("XDG_CONFIG_HOME", home.Path().string());
    const std::string path = SettingsFilePath();
    WriteFile(path, "[Aquarium Settings]\nYINLIANG=32767.5\nLIGHTQIANGDU=30\n; a note\n");
    AquariumSettings after = Hand();
    after.lightReduction = 0;
    VelmarSettings velmar;
    velmar.placement = {Placement::kOneMonitor, 1};
    velmar.tune = false;
    velmar.maxFps = 30;
    velmar.clock = true;
    SavePreferences(Hand(), after, velmar);

    const std::string text = ReadFile(path);
    EXPECT_NE(text.find("YINLIANG=32767.5\nLIGHTQIANGDU=0\n; a note\n"), std::string::npos) << text;
    const VelmarSettings read = ReadVelmarSettings(ProfileText(text));
    EXPECT_EQ(read.placement, velmar.placement);
    EXPECT_FALSE(read.tune);
    EXPECT_EQ(read.maxFps, 30);
    EXPECT_TRUE(read.clock);
    velmar.placement = {Placement::kWallpaper};
    velmar.maxFps.reset();
    SavePreferences(after, after, velmar);
    const VelmarSettings again = ReadVelmarSettings(ProfileText(ReadFile(path)));
    EXPECT_EQ(again.placement, velmar.placement);
    EXPECT_EQ(again.maxFps, std::nullopt);
}
