#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "settings/ProfileFile.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTestFiles.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {
int FileCount(const fs::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++count;
    return count;
}
}  // namespace

TEST(ReadProfileFile, AbsentFileReadsEmptyAndAFolderCannotBeRead) {
    TempDir temp;
    EXPECT_EQ(ReadProfileFile((temp.Path() / "none.ini").string()), std::string());
    EXPECT_EQ(ReadProfileFile(temp.Path().string()), std::nullopt);
    WriteTextFile(temp.Path() / "a.ini", std::string("[A]\0x=1\n", 9));
    EXPECT_EQ(ReadProfileFile((temp.Path() / "a.ini").string()), std::string("[A]\0x=1\n", 9));
}

TEST(ReplaceProfileFile, ReplacesTheWholeFileAndLeavesNoTemporaryBehind) {
    TempDir temp;
    const fs::path file = temp.Path() / "a.ini";
    WriteTextFile(file, "old text that is longer than the new one\n");
    fs::permissions(file, fs::perms(0640));
    ASSERT_TRUE(ReplaceProfileFile(file.string(), "new\n"));
    EXPECT_EQ(ReadTextFile(file), "new\n");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640));
    EXPECT_EQ(FileCount(temp.Path()), 1);
}

TEST(ReplaceProfileFile, WritesThroughASymbolicLinkToItsTarget) {
    TempDir temp;
    const fs::path target = temp.Path() / "real.ini";
    const fs::path link = temp.Path() / "link.ini";
    WriteTextFile(target, "old\n");
    fs::create_symlink(target, link);
    ASSERT_TRUE(ReplaceProfileFile(link.string(), "new\n"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadTextFile(target), "new\n");
}

TEST(ReplaceProfileFile, FailsWithoutHarmWhenAFolderStandsAtThePath) {
    TempDir temp;
    const fs::path blocker = temp.Path() / "a.ini";
    fs::create_directory(blocker);
    EXPECT_FALSE(ReplaceProfileFile(blocker.string(), "text\n"));
    EXPECT_TRUE(fs::is_directory(blocker));
    EXPECT_EQ(FileCount(temp.Path()), 1);
    EXPECT_FALSE(ReplaceProfileFile((temp.Path() / "missing" / "a.ini").string(), "text\n"));
}

TEST(SettingsFileSave, WritesOnlyWhenSomethingChanged) {
    TempDir temp;
    const fs::path path = temp.Path() / "VelmarSet.ini";
    WriteTextFile(path, "[A]\nx=1\n");
    const ino_t before = InodeOf(path);
    SettingsFile unchanged(path.string());
    unchanged.Set("A", "x", "1");
    EXPECT_TRUE(unchanged.Save());
    EXPECT_EQ(InodeOf(path), before);

    SettingsFile changed(path.string());
    changed.Set("A", "x", "2");
    EXPECT_TRUE(changed.Save());
    EXPECT_EQ(ReadTextFile(path), "[A]\nx=2\n");
}

TEST(SettingsFileSave, NeverReplacesSomethingItCouldNotRead) {
    TempDir temp;
    const fs::path path = temp.Path() / "VelmarSet.ini";
    fs::create_directory(path);
    SettingsFile file(path.string());
    file.Set("A", "x", "1");
    EXPECT_EQ(file.Get("A", "x"), "1");
    EXPECT_FALSE(file.Save());
    EXPECT_TRUE(fs::is_directory(path));
}
