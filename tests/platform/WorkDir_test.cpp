#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "platform/posix/MessageBox.h"
#include "platform/posix/WorkDir.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

TEST(GetWorkDir, MakesVelmarUnderXdgConfigHomeOrDotConfigAndReportsWhenItCannot) {
    TempDir temp;
    const std::filesystem::path blocker = temp.Path() / "file";
    std::ofstream(blocker) << "not a folder";
    ScopedEnv home("HOME", temp.Path().string());
    std::string shown;
    const MessageBoxPresenter previous =
        SetMessageBoxPresenter([&](const std::string& text, const std::string& caption) {
            shown += caption + "|" + text;
        });
    // XDG_CONFIG_HOME and the folder then given; a relative one counts as unset.
    const std::pair<std::string, std::string> cases[] = {
        {temp.Path().string(), (temp.Path() / "velmar/").string()},
        {"relative/dir", (temp.Path() / ".config/velmar/").string()},
        {blocker.string(), ""}};
    for (const auto& [xdg, dir] : cases) {
        ScopedEnv env("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(GetWorkDir(), dir);
    }
    SetMessageBoxPresenter(previous);
    EXPECT_TRUE(std::filesystem::is_directory(temp.Path() / "velmar"));
    EXPECT_EQ(shown, "ERROR|Error Find TempPath.");
}
