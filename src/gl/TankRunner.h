#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "core/pictures/CustomBackgroundList.h"
#include "core/scene/FramePacing.h"
#include "core/session/TankSession.h"
#include "gl/TankSetUp.h"

class AquariumScene;
class RenderSurface;
class SceneRenderer;

// Runs the tank on a surface: the renderer and the tank's set-up, the user's
// session, the frame pacing and the frames themselves. The program's window
// and the screensaver run the tank through it alike; each drives it from its
// own loop: a frame when DelayMs says one is due, a session tick every
// TankSession::kTickMs.
class TankRunner : public PictureTextureLoader {
  public:
    // The scene and the surface outlive the runner.
    TankRunner(AquariumScene& scene, RenderSurface& surface);
    ~TankRunner() override;
    TankRunner(const TankRunner&) = delete;
    TankRunner& operator=(const TankRunner&) = delete;

    // With the surface's context current: the renderer and then the tank (see
    // SetUpTank). Artwork is unpacked into a private folder, gone once loaded.
    TankSetUpResult SetUp(const AquariumSettings& settings, double contentScale);
    // The user's pictures and music, once the tank is set up.
    TankSession& StartSession(const StartupSettings& settings, std::optional<SessionMusic> music);
    TankSession* Session() { return session_.get(); }

    // `refreshHz` 0 when the display does not say; see FramePacer.
    void StartPacing(double refreshHz, int maxFps, bool swapWaitsForRefresh);
    // The wait, in milliseconds from `nowMs`, before the next frame is due.
    double DelayMs(double nowMs) { return pacer_.DelayMs(nowMs); }

    // One frame at `nowMs` on a steady clock: the tank follows the surface's
    // size, shows the session's picture, steps and draws, and the frame goes
    // on screen. Nothing before the set-up or once the surface is gone.
    void DrawFrame(double nowMs);
    void TickSession();
    // Runs after each frame drawn, with its context still current.
    void AfterEachFrame(std::function<void(double nowMs)> observer) {
        frameObserver_ = std::move(observer);
    }

    // The GL objects go while the context can still be made current.
    void Release();

    // 0 before the set-up and after the release.
    unsigned LoadPicture(const std::string& path) override;
    void ReleasePicture(unsigned texture) override;

  private:
    AquariumScene& scene_;
    RenderSurface& surface_;
    std::unique_ptr<SceneRenderer> renderer_;
    std::unique_ptr<TankSession> session_;
    FramePacer pacer_{0.0, -1, false};
    std::function<void(double nowMs)> frameObserver_;
    static constexpr int kTrimPeriodMs = 20000;
    int ticksSinceTrim_ = 0;
};
