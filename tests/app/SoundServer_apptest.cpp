#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/AppSession.h"

namespace {
// A PulseAudio server of the test's own with a null sink, where the program's
// runtime folder leads its sound; nobody starts one behind the test's back.
// It is the test's child, so that a server killed is gone for its successor.
class PulseServer {
  public:
    PulseServer(const XServer& server, const AppSession& app)
        : server_(server),
          home_(app.Root().string()),
          environment_("HOME=" + home_ + " XDG_RUNTIME_DIR=" + home_ + "/runtime" +
                       " PULSE_CLIENTCONFIG=" + Config(app) + " ") {
        WriteFile(Config(app), "autospawn = no\n");
    }
    ~PulseServer() { Kill(); }

    static std::string Config(const AppSession& app) {
        return (app.Root() / "client.conf").string();
    }
    bool Start() {
        pid_ = fork();
        if (pid_ == 0) {
            setenv("HOME", home_.c_str(), 1);
            setenv("XDG_RUNTIME_DIR", (home_ + "/runtime").c_str(), 1);
            std::freopen("/dev/null", "w", stderr);
            execlp("pulseaudio", "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                   "--load=module-null-sink sink_name=testsink",
                   "--load=module-native-protocol-unix", nullptr);
            _exit(127);
        }
        return PollUntil([&] { return server_.Run(environment_ + "pactl info") != ""; }, 30000);
    }
    // As a crash does: the server leaves its socket behind.
    void Kill() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    bool PlaysFor(pid_t pid) const {
        return server_.Run(environment_ + "pactl list sink-inputs")
                   .find("application.process.id = \"" + std::to_string(pid) + "\"") !=
               std::string::npos;
    }

  private:
    const XServer& server_;
    std::string home_;
    std::string environment_;
    pid_t pid_ = -1;
};
}  // namespace

// The built-in tune, and the user's own music in its place, come back by
// themselves once a sound server that was killed is there again; the tank
// goes on meanwhile.
TEST(SoundServer, TheTuneAndTheUsersMusicComeBackWhenTheServerStartsAgain) {
    if (std::system("command -v pulseaudio pactl >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "no PulseAudio here: scripts/install-deps.sh --test installs it";
    }
    for (const bool ownMusic : {false, true}) {
        SCOPED_TRACE(ownMusic ? "the user's music" : "the built-in tune");
        XServer server(640, 480);
        AppSession app(server);
        const std::filesystem::path track = app.Root() / "tone.wav";
        WriteFile(track, ToneWav(60000));
        if (ownMusic) {
            WriteFile(app.WorkDir() / "VelmarSet.ini",
                      "[Custom Settings]\r\nOwnMusic=1\r\nMusicSum=1\r\nMusicList0=" +
                          track.string() + "\r\n");
        }
        PulseServer pulse(server, app);
        ASSERT_TRUE(pulse.Start());
        const pid_t pid = app.Start({}, {"PULSE_CLIENTCONFIG=" + PulseServer::Config(app)});
        ASSERT_TRUE(app.WaitForWindow()) << app.Output();
        ASSERT_TRUE(PollUntil([&] { return pulse.PlaysFor(pid); }, 30000)) << app.Output();
        pulse.Kill();
        ASSERT_TRUE(PollUntil([&] { return !pulse.PlaysFor(pid); }, 30000));
        const ScreenCapture before = CaptureScreen(server);
        EXPECT_TRUE(WaitForScreen(server, [&](const ScreenCapture& now) {
            return now.rgb != before.rgb;
        })) << "the fish swim on";
        ASSERT_TRUE(pulse.Start());
        EXPECT_TRUE(PollUntil([&] { return pulse.PlaysFor(pid); }, 30000)) << app.Output();
        EXPECT_TRUE(app.IsRunning(pid));
    }
}
