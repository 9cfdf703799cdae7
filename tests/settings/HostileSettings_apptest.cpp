#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/posix/Random.h"
#include "settings/SettingsTestFiles.h"
#include "support/AppSession.h"
#include "support/ScreenCapture.h"

namespace {
namespace fs = std::filesystem;

// What a start may take at most under the sanitizers on a busy machine; the
// release build's times are in the README.
constexpr int kStartBoundMs = 15000;

// A file the program cannot have written, made at `file`; the extra
// environment the program needs to find it there.
struct HostileFile {
    const char* name;
    std::function<void(const fs::path& file)> make;
    // Unreadable: kept as it is, and the user told that nothing will be saved.
    bool refused;
};

std::string Lines(const std::string& prefix, int count, const std::string& value) {
    std::string text;
    for (int i = 0; i < count; ++i) text += prefix + std::to_string(i) + "=" + value + "\n";
    return text;
}

std::string RandomBytes(std::size_t size) {
    ResetCrtRand();
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(CrtRand() & 0xFF);
    return bytes;
}

// What the path is, without reading through a pipe or a device.
std::string Describe(const fs::path& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return "nothing";
    if (S_ISLNK(info.st_mode)) return "link to " + fs::read_symlink(path).string();
    return std::to_string(info.st_mode) + " inode " + std::to_string(info.st_ino) + " size " +
           std::to_string(info.st_size) + " written " + std::to_string(info.st_mtim.tv_sec) + "." +
           std::to_string(info.st_mtim.tv_nsec);
}

}  // namespace

TEST(HostileSettingsFile, StartsQuicklyNeverWaitsAndKeepsEveryByteOfWhatItFinds) {
    const HostileFile files[] = {
        {"100 MB", [](const fs::path& f) { WriteTextFile(f, ""), fs::resize_file(f, 100 << 20); },
         true},
        {"a pipe", [](const fs::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); }, true},
        {"a link to /dev/zero", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); },
         true},
        {"a link to /dev/urandom", [](const fs::path& f) { fs::create_symlink("/dev/urandom", f); },
         true},
        {"binary garbage", [](const fs::path& f) { WriteTextFile(f, RandomBytes(1 << 16)); },
         false},
        {"one line of a megabyte",
         [](const fs::path& f) { WriteTextFile(f, "[Fish Number]=" + std::string(1000000, '7')); },
         false},
        {"100,000 rows in each list",
         [](const fs::path& f) {
             WriteTextFile(f, "[Custom Settings]\nOwnMusic=1\nMusicSum=100000\n" +
                                  Lines("MusicList", 100000, "a") +
                                  "[Custom Images]\nImageSum=100000\n" +
                                  Lines("ImageList", 100000, "p"));
         },
         false},
        {"paths that are no UTF-8",
         [](const fs::path& f) {
             WriteTextFile(f,
                           "[Custom Settings]\nMusicSum=1\nMusicList0=/m/\xff\xfe.mp3\n"
                           "[Custom Images]\nImageSum=1\nImageList0=/p/\xc3\x28.jpg\n");
         },
         false},
    };
    for (const HostileFile& hostile : files) {
        SCOPED_TRACE(hostile.name);
        XServer server(800, 600);
        AppSession app(server);
        // The settings folder's own name is no UTF-8 either in the last case.
        const bool oddFolder = std::string(hostile.name).find("UTF-8") != std::string::npos;
        const fs::path configHome = app.ConfigHome() / (oddFolder ? "\xe9t\xe9" : "");
        const fs::path file = configHome / "velmar" / "VelmarSet.ini";
        fs::create_directories(file.parent_path());
        hostile.make(file);
        const std::string before = hostile.refused ? Describe(file) : ReadTextFile(file);

        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = app.Start({}, {"XDG_CONFIG_HOME=" + configHome.string()});
        const std::string firstWindow = hostile.refused ? "Velmar" : "VelmarScr";
        std::string shown;
        while (shown.empty() && std::chrono::steady_clock::now() - start <
                                    std::chrono::milliseconds(2 * kStartBoundMs)) {
            shown = app.VisibleWindow(firstWindow);
        }
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        std::printf("%s: first window after %lld ms\n", hostile.name,
                    static_cast<long long>(took.count()));
        ASSERT_FALSE(shown.empty()) << app.Output();
        EXPECT_LT(took.count(), kStartBoundMs);
        if (!hostile.refused) {
            EXPECT_TRUE(WaitForScreen(server, [](const ScreenCapture& screen) {
                return screen.IsDrawn(2, 597) && screen.IsDrawn(797, 597);
            }));
            EXPECT_EQ(app.VisibleWindow("Velmar"), "") << "nothing to tell";
        }

        if (hostile.refused) {
            EXPECT_EQ(Describe(file), before);
        } else {
            // The start's repairs come after every byte that was there.
            const std::string after = ReadTextFile(file);
            EXPECT_EQ(after.compare(0, before.size(), before), 0);
            EXPECT_NE(after.find("[Aquarium Settings]", before.size()), std::string::npos);
        }
        EXPECT_TRUE(app.IsRunning(pid));
    }
}
