#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "support/AppSession.h"

namespace {
// A PulseAudio server of the test's own, with a null sink, where the program's
// runtime folder leads its sound. It is the test's child, so that one killed
// is gone for its successor; it goes as a crash does, leaving its socket.
struct PulseAudio {
    explicit PulseAudio(const AppSession& app)
        : pid(Spawn(
              {"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
               "--load=module-null-sink sink_name=testsink", "--load=module-native-protocol-unix"},
              {"HOME=" + app.Root().string(),
               "XDG_RUNTIME_DIR=" + (app.Root() / "runtime").string()},
              "/dev/null")) {}
    ~PulseAudio() {
        if (pid > 0 && kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
    }
    const pid_t pid;
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
        WriteFile(app.WorkDir() / "VelmarSet.ini",
                  "[Custom Settings]\r\nMusicSum=1\r\nOwnMusic=" + std::to_string(ownMusic) +
                      "\r\nMusicList0=" + track.string() + "\r\n");
        // Nobody else starts a server behind the test's back.
        const std::string config = "PULSE_CLIENTCONFIG=" + (app.Root() / "client.conf").string();
        WriteFile(app.Root() / "client.conf", "autospawn = no\n");
        const std::string pactl = "HOME=" + app.Root().string() +
                                  " XDG_RUNTIME_DIR=" + (app.Root() / "runtime").string() + " " +
                                  config + " pactl ";
        const auto plays = [&](pid_t pid) {
            return server.Run(pactl + "list sink-inputs")
                       .find("application.process.id = \"" + std::to_string(pid) + "\"") !=
                   std::string::npos;
        };
        auto pulse = std::make_unique<PulseAudio>(app);
        ASSERT_TRUE(PollUntil([&] { return !server.Run(pactl + "info").empty(); }, kPatientMs));
        const pid_t pid = app.Start({}, {config});
        ASSERT_TRUE(PollUntil([&] { return plays(pid); }, kPatientMs)) << app.Output();
        pulse.reset();
        const ScreenCapture before = CaptureScreen(server);
        EXPECT_TRUE(WaitForScreen(server, [&](const ScreenCapture& now) {
            return now.rgb != before.rgb;
        })) << "the fish swim on";
        pulse = std::make_unique<PulseAudio>(app);
        EXPECT_TRUE(PollUntil([&] { return plays(pid); }, kPatientMs)) << app.Output();
    }
}
