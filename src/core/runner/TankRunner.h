#pragma once

#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <vector>

#include "core/runner/FrameRateMeter.h"
#include "core/runner/RenderSurface.h"
#include "core/runner/SceneDrawer.h"
#include "core/scene/ClockFace.h"
#include "core/scene/Daylight.h"
#include "core/scene/FramePacing.h"
#include "core/session/TankSession.h"

class AquariumScene;

// Runs the tanks: each a scene drawn on its own surface by its own drawer,
// all stepped and drawn together at one pace, and the user's session ticked
// every TankSession::kTickMs. The program's window and the screensaver's
// loop both ask RunDue what is due and wait as long as it says.
class TankRunner : public PictureTextureLoader {
  public:
    TankRunner() = default;
    ~TankRunner() override;
    TankRunner(const TankRunner&) = delete;
    TankRunner& operator=(const TankRunner&) = delete;

    // A tank whose set-up is done; the scene and the surface outlive the
    // runner, which keeps the drawer until Release.
    void AddTank(AquariumScene& scene, RenderSurface& surface, std::unique_ptr<SceneDrawer> drawer);
    // The tank drawn on the surface goes, its drawer while the surface can
    // still be made current.
    void RemoveTank(const RenderSurface& surface);
    // The user's pictures and music.
    TankSession& StartSession(const StartupSettings& settings, std::optional<SessionMusic> music);

    // `refreshHz` 0 when the display does not say; see FramePacer. The first
    // session tick is due a tick from `nowMs`.
    void StartPacing(double nowMs, double refreshHz, int maxFps, bool swapWaitsForRefresh);
    // A new pace from the next frame on; the session's ticks keep theirs.
    void SetPace(double refreshHz, int maxFps, bool swapWaitsForRefresh);

    // What is due at `nowMs` on a steady clock: a session tick, a frame on
    // every visible surface. Returns the milliseconds until the next is due
    // (0: at once).
    double RunDue(double nowMs);
    // One frame at `nowMs` on every visible surface: each tank follows its
    // surface's size, shows the session's picture, steps and is drawn, and
    // the frame goes on screen.
    void DrawFrame(double nowMs);
    // Whether any surface is visible, so that frames are drawn.
    bool DrawsFrames() const;
    // Every frame from now on shows the frame rate and the load in its
    // bottom-left corner, measured over each second of RunDue's work.
    void ShowFrameRate() { frameRate_.emplace(); }
    // From now on, at once and at each session tick, every tank's light
    // follows the time of day (`dayNight`) and a clock shows it (`clock`, as
    // `locale` writes it), from `secondOfDay` (the local time, 0..86399).
    // What is not asked for any more goes at once.
    struct TimeOfDay {
        bool dayNight = false;
        bool clock = false;
        ClockLocale locale;
        std::function<int()> secondOfDay;
    };
    void FollowTimeOfDay(TimeOfDay timeOfDay);
    // Runs after each frame drawn, with its surface still current.
    void AfterEachFrame(std::function<void(double nowMs)> observer) {
        frameObserver_ = std::move(observer);
    }

    // The drawers go while their surfaces can still be made current.
    void Release();

    // 0 before a tank is added and after the release.
    unsigned LoadPicture(const std::string& path) override;
    void ReleasePicture(unsigned texture) override;

  private:
    struct Tank {
        AquariumScene& scene;
        RenderSurface& surface;
        std::unique_ptr<SceneDrawer> drawer;
    };
    void TickSession();
    void ShowTimeOfDay();
    void ShowTimeOfDayIn(AquariumScene& scene) const;

    std::list<Tank> tanks_;
    std::unique_ptr<TankSession> session_;
    FramePacer pacer_{0.0, -1, false};
    double nextTickMs_ = 0.0;
    std::function<void(double nowMs)> frameObserver_;
    std::optional<FrameRateMeter> frameRate_;
    TimeOfDay timeOfDay_;
    Daylight daylight_;
    ClockFace clock_;
    int clockMinute_ = -1;
    int framesDrawn_ = 0;
    static constexpr int kTrimPeriodMs = 20000;
    int ticksSinceTrim_ = 0;
};
