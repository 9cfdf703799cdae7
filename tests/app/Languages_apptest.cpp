#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/settings/ProfileText.h"
#include "core/settings/SettingsFile.h"
#include "platform/ProgramNames.h"
#include "support/AppSession.h"

// In German and Japanese the program speaks the language, draws the help text
// in its letters, and writes a settings file that reads as it does in English.
TEST(Languages, GermanAndJapaneseTranslateAndWriteTheSameSettings) {
    XServer server(1024, 768);
    std::string helpInEnglish, settingsInEnglish;
    for (const std::string locale : {"C.UTF-8", "de_DE.UTF-8", "ja_JP.UTF-8"}) {
        SCOPED_TRACE(locale);
        const bool english = locale == "C.UTF-8";
        const std::string help =
            server.Run("LANGUAGE= LC_ALL=" + locale + " " VELMAR_BINARY " --help");
        if (english) helpInEnglish = help;
        EXPECT_EQ(help == helpInEnglish, english) << help;
        // From the catalogs the build made, beside the program the tests run.
        const std::string title =
            server.Run("TEXTDOMAINDIR=$(dirname " VELMAR_BINARY ")/locale LANGUAGE= LC_ALL=" +
                       locale + " gettext velmar 'Fish Settings'") +
            " - " + kProgramTitle;

        AppSession app(server);
        const pid_t pid =
            app.Start({"-fish", "0", "-no-bubbles", "-no-wall"}, {"LANGUAGE=", "LC_ALL=" + locale});
        ASSERT_TRUE(app.WaitForWindow()) << app.Output();
        // Lit pixels where the help text stands, over the black of a tank with
        // nothing in it: the food flakes it opens with light a few hundred at most.
        int lit = 0;
        EXPECT_TRUE(WaitForScreen(
            server,
            [&](const ScreenCapture& screen) {
                return (lit = screen.LitIn(256, 192, 768, 460)) > 1500;
            },
            kPatientMs))
            << "lit " << lit << "\n"
            << app.Output();
        EXPECT_EQ(app.Output().find("no font"), std::string::npos) << app.Output();

        server.ChooseFromMenu(100, 100, 5);
        const std::string dialog = server.WaitForWindow(title);
        ASSERT_FALSE(dialog.empty()) << app.Output();
        // A click picks species 3; A adds one, which the dialog saves.
        server.Run("xdotool mousemove --window " + dialog + " 350 45 click 1 key a");
        const std::filesystem::path file = app.WorkDir() / "VelmarSet.ini";
        ASSERT_TRUE(PollUntil(
            [&] { return ProfileText(ReadFile(file)).Get(kFishNumberSection, "Fish3") == "1"; },
            kPatientMs))
            << ReadFile(file);
        EXPECT_EQ(app.Terminate(pid), 0) << app.Output();
        if (english) settingsInEnglish = ReadFile(file);
        EXPECT_EQ(ReadFile(file), settingsInEnglish);
    }
}
