#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <climits>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <thread>

#include "support/AppSession.h"

namespace {
namespace fs = std::filesystem;

// What each entry of the folder is, without reading through a pipe.
std::map<std::string, std::string> Describe(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        struct stat info {};
        ::lstat(entry.path().c_str(), &info);
        entries[entry.path().filename()] =
            std::to_string(info.st_mode) + " " + std::to_string(info.st_ino) + " " +
            std::to_string(info.st_size) + " " + std::to_string(info.st_mtim.tv_nsec);
    }
    return entries;
}

std::string Rows(const std::string& prefix, int count, const std::string& value) {
    std::string text;
    for (int i = 0; i < count; ++i) text += prefix + std::to_string(i) + "=" + value + "\n";
    return text;
}

// A settings file the program cannot have written, or one it cannot replace.
struct Hostile {
    const char* name;
    std::function<void(AppSession&, const fs::path& file)> make;
    // The start cannot save: the user is told once and the folder kept as it is.
    bool refused;
};
}  // namespace

// A start never waits on what it finds, and never loses a byte of it: what it
// cannot read or replace stays as it was, and its repairs come after the rest.
TEST(HostileSettingsFile, StartsQuicklyAndKeepsEveryByteOfWhatItFinds) {
    // Incomplete, and without the wall, whose picture is too large for the full disk.
    const std::string incomplete =
        "[Aquarium Settings]\nBACKGROUND=1\nBACK MANJIANBIAN=1\nBACK COLOR2=255\n";
    const Hostile cases[] = {
        {"a pipe", [](AppSession&, const fs::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); },
         true},
        {"a folder that takes no new name",
         [&](AppSession&, const fs::path& f) {
             // The file links to a name as long as a name may be, so no
             // temporary file can be made beside it; unlike a read-only
             // folder, that holds for root too.
             WriteFile(f.parent_path() / std::string(NAME_MAX, 'v'), incomplete);
             fs::create_symlink(std::string(NAME_MAX, 'v'), f);
         },
         true},
        {"a full disk",
         [&](AppSession& app, const fs::path& f) {
             // Past 2 MB every write fails as on a full disk; the artwork fits.
             WriteFile(f, incomplete + "[Notes]\n" + std::string(3 << 20, ';') + "\n");
             app.SetLauncher({"sh", "-c", "trap '' XFSZ; ulimit -f 2048; exec \"$@\"", "sh"});
         },
         true},
        {"100,000 rows in each list",
         [](AppSession&, const fs::path& f) {
             WriteFile(f, "[Custom Settings]\nOwnMusic=1\nMusicSum=100000\n" +
                              Rows("MusicList", 100000, "a") +
                              "[Custom Images]\nImageSum=100000\n" +
                              Rows("ImageList", 100000, "p"));
         },
         false},
        {"paths that are no UTF-8, in a folder that is none either",
         [](AppSession&, const fs::path& f) {
             WriteFile(f,
                       "[Custom Settings]\nMusicSum=1\nMusicList0=/m/\xff\xfe.mp3\n"
                       "[Custom Images]\nImageSum=1\nImageList0=/p/\xc3\x28.jpg\n");
         },
         false},
    };
    for (const Hostile& hostile : cases) {
        SCOPED_TRACE(hostile.name);
        XServer server(800, 600);
        AppSession app(server);
        const bool oddFolder = std::string(hostile.name).find("UTF-8") != std::string::npos;
        const fs::path configHome = app.ConfigHome() / (oddFolder ? "\xe9t\xe9" : "");
        const fs::path file = configHome / "velmar" / "VelmarSet.ini";
        fs::create_directories(file.parent_path());
        hostile.make(app, file);
        const auto before = Describe(file.parent_path());
        const std::string text = hostile.refused ? "" : ReadFile(file);

        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = app.Start({}, {"XDG_CONFIG_HOME=" + configHome.string()});
        const std::string shown = server.WaitForWindow(hostile.refused ? "Velmar" : "VelmarScr");
        ASSERT_FALSE(shown.empty()) << app.Output();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
        if (hostile.refused) server.Close(shown);
        EXPECT_TRUE(WaitForScreen(server, [](const ScreenCapture& screen) {
            return screen.IsDrawn(2, 597) && screen.IsDrawn(797, 597);
        }));
        if (hostile.refused) {
            // Species 3 gains a fish in the Fish Settings dialog, saved within half a second.
            app.TakeKeyboard();
            server.ChooseFromMenu(100, 100, 5);
            const std::string dialog =
                server.WaitForWindow("Fish Settings - Velmar Screensaver 1.0");
            ASSERT_FALSE(dialog.empty()) << app.Output();
            server.Run("xdotool mousemove --window " + dialog + " 350 45 click 1 key a");
            std::this_thread::sleep_for(std::chrono::seconds(2));
            EXPECT_EQ(Describe(file.parent_path()), before);
        } else {
            const std::string after = ReadFile(file);
            EXPECT_EQ(after.compare(0, text.size(), text), 0);
            EXPECT_NE(after.find("[Aquarium Settings]", text.size()), std::string::npos);
        }
        EXPECT_EQ(server.WaitForWindow("Velmar", 0), "") << "told once, or nothing to tell";
        EXPECT_TRUE(app.IsRunning(pid));
    }
}
