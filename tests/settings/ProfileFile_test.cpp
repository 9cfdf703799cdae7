#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <filesystem>
#include <iterator>
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

// A folder that takes no new name (the file links to a name as long as a name
// may be, so no temporary file fits beside it; unlike a read-only folder that
// holds for root too), a full disk and text too large to be read back: the old
// file stays and nothing is left.
TEST(SettingsFileSave, AReplacementThatFailsKeepsTheOldFileAndLeavesNothingBeside) {
    TempDir temp;
    const fs::path linked = temp.Path() / std::string(NAME_MAX, 'v');
    const fs::path full = temp.Path() / "full.ini";
    WriteFile(linked, "[A]\nx=1\n");
    WriteFile(full, "[A]\nx=1\n");
    fs::create_symlink(linked.filename(), temp.Path() / "VelmarSet.ini");
    MessageLog messages;
    SettingsFile noNewName((temp.Path() / "VelmarSet.ini").string());
    noNewName.Set("A", "x", "2");
    EXPECT_FALSE(noNewName.Save());

    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const rlimit limit{4096, before.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    SettingsFile diskFull(full.string());
    diskFull.Set("A", "x", std::string(8192, 'v'));
    const bool saved = diskFull.Save();
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(saved);
    // Text too large to be read back is never written.
    SettingsFile tooLarge(full.string());
    tooLarge.Set("A", "x", std::string(kMaxProfileBytes, 'v'));
    EXPECT_FALSE(tooLarge.Save());

    EXPECT_EQ(ReadFile(linked), "[A]\nx=1\n");
    EXPECT_EQ(ReadFile(full), "[A]\nx=1\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.Path()), fs::directory_iterator()), 3);
    EXPECT_EQ(messages.texts.size(), 2u);
}

// What a save killed between writing and renaming leaves goes at the next start;
// a running copy's and every other name stay.
TEST(RemoveStaleReplacements, RemovesOnlyTheLeftoversOfEndedSaves) {
    TempDir temp;
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    const std::string dead = std::to_string(ended);
    const std::string alive = std::to_string(getpid());
    for (const std::string& name : std::vector<std::string>{
             "VelmarSet.ini.tmp-" + dead + "-9", "VelmarSet.ini.tmp-" + alive + "-1",
             "VelmarSet.ini.tmp-" + dead + "-", "VelmarSet.ini.tmp-x-1",
             "Other.ini.tmp-" + dead + "-1"})
        WriteFile(temp.Path() / name, "half");
    RemoveStaleReplacements((temp.Path() / "VelmarSet.ini").string());
    EXPECT_FALSE(fs::exists(temp.Path() / ("VelmarSet.ini.tmp-" + dead + "-9")));
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.Path()), fs::directory_iterator()), 4);
}
