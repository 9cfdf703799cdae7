#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/MessageBox.h"
#include "platform/WorkDir.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

TEST(GetWorkDir, CreatesTheVelmarFolderUnderXdgConfigHome) {
    TempDir temp;
    ScopedEnv xdg("XDG_CONFIG_HOME", temp.Path().string());
    const std::string dir = GetWorkDir();
    EXPECT_EQ(dir, (temp.Path() / "velmar").string() + "/");
    EXPECT_TRUE(std::filesystem::is_directory(dir));
}

TEST(GetWorkDir, FallsBackToDotConfigInHomeForMissingOrRelativeXdg) {
    TempDir temp;
    ScopedEnv home("HOME", temp.Path().string());
    ScopedEnv xdg("XDG_CONFIG_HOME", "relative/dir");
    EXPECT_EQ(GetWorkDir(), (temp.Path() / ".config" / "velmar").string() + "/");
}

TEST(GetWorkDir, ReportsAndReturnsEmptyWhenTheFolderCannotBeMade) {
    TempDir temp;
    const std::filesystem::path blocker = temp.Path() / "file";
    std::ofstream(blocker) << "not a folder";
    ScopedEnv xdg("XDG_CONFIG_HOME", blocker.string());
    std::string shown;
    const MessageBoxPresenter previous = SetMessageBoxPresenter(
        [&](const std::string& text, const std::string& caption) { shown = caption + "|" + text; });
    EXPECT_EQ(GetWorkDir(), "");
    SetMessageBoxPresenter(previous);
    EXPECT_EQ(shown, "ERROR|Error Find TempPath.");
}
