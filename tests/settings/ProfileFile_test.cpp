#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "settings/ProfileFile.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTestFiles.h"
#include "support/MessageLog.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

TEST(ReadProfileFile, ReadsEveryByteAnAbsentFileAsEmptyAndAFolderAsUnreadable) {
    TempDir temp;
    const std::string binary("[A]\0x=1\n", 8);
    WriteTextFile(temp.Path() / "a.ini", binary);
    EXPECT_EQ(ReadProfileFile((temp.Path() / "a.ini").string()), binary);
    EXPECT_EQ(ReadProfileFile((temp.Path() / "none.ini").string()), std::string());
    EXPECT_EQ(ReadProfileFile(temp.Path().string()), std::nullopt);
}

TEST(ReplaceProfileFile, ReplacesTheLinkTargetWholeKeepingItsModeOrFailsWithoutHarm) {
    TempDir temp;
    const fs::path file = temp.Path() / "a.ini";
    const fs::path link = temp.Path() / "link.ini";
    WriteTextFile(file, "old text that is longer than the new one\n");
    fs::permissions(file, fs::perms(0640));
    fs::create_symlink(file, link);
    ASSERT_TRUE(ReplaceProfileFile(link.string(), "new\n"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadTextFile(file), "new\n");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640));
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.Path()), fs::directory_iterator()), 2);

    const fs::path blocker = temp.Path() / "folder.ini";
    fs::create_directory(blocker);
    EXPECT_FALSE(ReplaceProfileFile(blocker.string(), "text\n"));
    EXPECT_TRUE(fs::is_directory(blocker) && fs::is_empty(blocker));
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.Path()), fs::directory_iterator()), 3);
    EXPECT_FALSE(ReplaceProfileFile((temp.Path() / "missing" / "a.ini").string(), "text\n"));
}

TEST(SettingsFileSave, WritesOnlyWhenSomethingChangedAndNeverOverWhatItCouldNotRead) {
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

    fs::remove(path);
    fs::create_directory(path);
    MessageLog messages;
    for (int save = 0; save < 2; ++save) {
        SettingsFile unreadable(path.string());
        unreadable.Set("A", "x", "1");
        EXPECT_EQ(unreadable.Get("A", "x"), "1");
        EXPECT_FALSE(unreadable.Save());
    }
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"Velmar cannot save its settings in " + path.string() +
                                       ", so changes last only until it ends."})
        << "told once";
}
