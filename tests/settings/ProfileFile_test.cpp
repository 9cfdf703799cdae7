#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
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

TEST(ReplaceProfileFile, ReplacesTheLinkTargetWholeKeepingItsModeOrFailsWithoutHarm) {
    TempDir temp;
    const fs::path file = temp.Path() / "a.ini";
    const fs::path link = temp.Path() / "link.ini";
    WriteFile(file, "old text that is longer than the new one\n");
    fs::permissions(file, fs::perms(0640));
    fs::create_symlink(file, link);
    ASSERT_TRUE(ReplaceProfileFile(link.string(), "new\n"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(file), "new\n");
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

TEST(SettingsFileSave, NeverWritesTextTooLargeToBeReadBack) {
    TempDir temp;
    const fs::path path = temp.Path() / "VelmarSet.ini";
    WriteFile(path, "[A]\nx=1\n");
    MessageLog messages;
    SettingsFile file(path.string());
    file.Set("A", "x", std::string(kMaxProfileBytes, 'p'));
    EXPECT_FALSE(file.Save());
    EXPECT_EQ(ReadFile(path), "[A]\nx=1\n");
    EXPECT_EQ(messages.texts.size(), 1u);
}

TEST(RemoveStaleReplacements, RemovesOnlyTheFilesOfEndedOrLongAbandonedSaves) {
    TempDir temp;
    const fs::path path = temp.Path() / "VelmarSet.ini";
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    const std::string live = std::to_string(getpid());
    const std::string dead = std::to_string(ended);
    // The name, whether it goes, and whether it was last written long ago.
    const std::tuple<std::string, bool, bool> cases[] = {
        {"VelmarSet.ini.tmp-" + dead + "-0", true, false},
        {"VelmarSet.ini.tmp-" + live + "-3", false, false},
        {"VelmarSet.ini.tmp-" + live + "-4", true, true},
        {"VelmarSet.ini.tmp-" + dead, false, true},
        {"VelmarSet.ini.tmp-x-1", false, true},
        {"VelmarSet.ini.tmp-" + dead + "-1.bak", false, true},
        {"Other.ini.tmp-" + dead + "-0", false, true},
        {"VelmarSet.ini", false, true}};
    for (const auto& [name, goes, old] : cases) {
        WriteFile(temp.Path() / name, "text");
        if (old) {
            fs::last_write_time(temp.Path() / name,
                                fs::file_time_type::clock::now() - std::chrono::minutes(11));
        }
    }
    fs::create_directory(temp.Path() / ("VelmarSet.ini.tmp-" + dead + "-2"));
    fs::create_symlink(path, temp.Path() / ("VelmarSet.ini.tmp-" + dead + "-3"));
    RemoveStaleReplacements(path.string());
    for (const auto& [name, goes, old] : cases) {
        EXPECT_EQ(fs::exists(temp.Path() / name), !goes) << name;
    }
    EXPECT_TRUE(fs::is_directory(temp.Path() / ("VelmarSet.ini.tmp-" + dead + "-2")));
    EXPECT_TRUE(fs::is_symlink(temp.Path() / ("VelmarSet.ini.tmp-" + dead + "-3")));
}
