#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsFile.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

TEST(ReadProfileFile, ReadsEveryByteOfAFileAtMostTheCapAndRefusesAllElseWithoutWaiting) {
    TempDir temp;
    const fs::path dir = temp.Path();
    const std::string binary("[A]\0x=1\n\xff\xfe", 10);
    WriteFile(dir / "a.ini", binary);
    WriteFile(dir / "full.ini", "");
    fs::resize_file(dir / "full.ini", kMaxProfileBytes);
    WriteFile(dir / "over.ini", "");
    fs::resize_file(dir / "over.ini", kMaxProfileBytes + 1);
    ASSERT_EQ(mkfifo((dir / "fifo.ini").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir / "zero.ini");
    fs::create_symlink("/dev/urandom", dir / "urandom.ini");
    fs::create_symlink("loop.ini", dir / "loop.ini");
    EXPECT_EQ(ReadProfileFile((dir / "a.ini").string()), binary);
    EXPECT_EQ(ReadProfileFile((dir / "full.ini").string()), std::string(kMaxProfileBytes, '\0'));
    // The empty text where no file is, nothing where something that is no settings file is.
    for (const char* name : {"none.ini", "a.ini/below.ini"})
        EXPECT_EQ(ReadProfileFile((dir / name).string()), "") << name;
    for (const char* name : {"over.ini", "", "fifo.ini", "zero.ini", "urandom.ini", "loop.ini"})
        EXPECT_EQ(ReadProfileFile((dir / name).string()), std::nullopt) << name;
}

TEST(SettingsFileSave, WritesOnlyWhenSomethingChangedAndNeverOverWhatItCouldNotRead) {
    TempDir temp;
    const fs::path path = temp.Path() / "VelmarSet.ini";
    WriteFile(path, "[A]\nx=1\n");
    const ino_t before = InodeOf(path);
    SettingsFile unchanged(path.string());
    unchanged.Set("A", "x", "1");
    EXPECT_TRUE(unchanged.Save());
    EXPECT_EQ(InodeOf(path), before);
    SettingsFile changed(path.string());
    changed.Set("A", "x", "2");
    EXPECT_TRUE(changed.Save());
    EXPECT_EQ(ReadFile(path), "[A]\nx=2\n");

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
