#include "app/ScreensaverHost.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "app/ForeignWindowSurface.h"
#include "core/interaction/MenuCommands.h"
#include "core/runner/LocalTimeOfDay.h"
#include "core/runner/SteadyClock.h"
#include "core/runner/TankRunner.h"
#include "core/scene/AquariumScene.h"
#include "core/settings/SettingsOverrides.h"
#include "core/settings/StartupSettings.h"
#include "gl/SceneRenderer.h"
#include "gl/TankSetUp.h"
#include "platform/posix/ProcessExit.h"
#include "platform/posix/TerminationSignals.h"
#include "platform/runtime/Translation.h"

int RunScreensaver(unsigned long windowId, std::optional<int> maxFps,
                   const TankOverrides& overrides) {
    ForeignWindowSurface window(windowId);
    if (!window.Ok()) {
        std::fprintf(stderr, "velmar: %s\n", window.Problem().c_str());
        return 1;
    }
    AquariumScene scene;
    // This mode never writes the settings file.
    StartupSettings settings = LoadStartupSettings(SettingsRepairs::kKeptInMemory);
    settings.tank = WithOverrides(settings.tank, overrides);
    TankOnSurface tank = SetUpTankOnSurface(scene, window.PixelSize(), settings.tank, 1.0);
    if (tank.result == TankSetUpResult::kNoTempPath) {
        std::fprintf(stderr, "velmar: %s\n",
                     Tr("no temporary folder to unpack the artwork into").c_str());
        return 1;
    }
    // Nobody listens, points or reads help here: no music, no net, no picks
    // and no help text.
    scene.SetMode(Mode::kNoPointer);
    scene.HideOverlay();
    TankRunner runner;
    runner.AddTank(scene, window, std::move(tank.renderer));
    runner.StartSession(settings, std::nullopt);
    if (overrides.frameRate) runner.ShowFrameRate();
    const VelmarSettings velmar = LoadVelmarSettings();
    runner.FollowTimeOfDay(
        LocalTimeOfDay(overrides.dayNight || velmar.dayNight, overrides.clock || velmar.clock));
    // The display's refresh rate is not asked: 60 frames a second, or the limit given.
    runner.StartPacing(SteadyNowMs(), 0.0, maxFps.value_or(-1), false);

    while (!TerminationRequested() && window.ProcessEvents()) {
        const double delayMs = runner.RunDue(SteadyNowMs());
        if (delayMs > 0.0)
            std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(delayMs));
    }
    // xscreensaver ends its hacks with SIGTERM and waits for them: the end
    // comes at once, as on Escape in the program; the system frees the rest.
    if (TerminationRequested()) ExitProcessNow(0);
    return 0;
}
