#include "core/runner/TankRunner.h"

#include <algorithm>
#include <utility>

#include "core/runner/SteadyClock.h"
#include "core/scene/AquariumScene.h"
#include "platform/posix/LargeBlocks.h"

TankRunner::~TankRunner() {
    Release();
}

void TankRunner::AddTank(AquariumScene& scene, RenderSurface& surface,
                         std::unique_ptr<SceneDrawer> drawer) {
    tanks_.push_back({scene, surface, std::move(drawer)});
    ShowTimeOfDayIn(scene);
}

void TankRunner::RemoveTank(const RenderSurface& surface) {
    const auto gone = std::find_if(tanks_.begin(), tanks_.end(),
                                   [&](const Tank& tank) { return &tank.surface == &surface; });
    if (gone == tanks_.end()) return;
    if (gone->drawer) gone->surface.MakeCurrent();
    tanks_.erase(gone);
}

TankSession& TankRunner::StartSession(const StartupSettings& settings,
                                      std::optional<SessionMusic> music) {
    session_ = std::make_unique<TankSession>(*this, settings, std::move(music));
    return *session_;
}

void TankRunner::StartPacing(double nowMs, double refreshHz, int maxFps, bool swapWaitsForRefresh) {
    SetPace(refreshHz, maxFps, swapWaitsForRefresh);
    nextTickMs_ = nowMs + TankSession::kTickMs;
}

void TankRunner::SetPace(double refreshHz, int maxFps, bool swapWaitsForRefresh) {
    pacer_ = FramePacer(refreshHz, maxFps, swapWaitsForRefresh);
}

bool TankRunner::DrawsFrames() const {
    return std::any_of(tanks_.begin(), tanks_.end(),
                       [](const Tank& tank) { return tank.drawer && tank.surface.Visible(); });
}

// Ticks keep their period on average; after a long stall (a suspend) they
// start afresh rather than catching up.
double TankRunner::RunDue(double nowMs) {
    if (nowMs >= nextTickMs_) {
        TickSession();
        nextTickMs_ += TankSession::kTickMs;
        if (nextTickMs_ <= nowMs) nextTickMs_ = nowMs + TankSession::kTickMs;
    }
    double untilNext = nextTickMs_ - nowMs;
    // A hidden tank gets no frames; it goes on from where it was once shown.
    const int framesBefore = framesDrawn_;
    if (DrawsFrames()) {
        if (pacer_.DelayMs(nowMs) <= 0.0) DrawFrame(nowMs);
        untilNext = std::min(untilNext, pacer_.DelayMs(nowMs));
    }
    // What the frame costs, the swap's wait included, is work; the rest of
    // the time until the next call is the loop's wait.
    if (frameRate_) frameRate_->Worked(nowMs, SteadyNowMs(), framesDrawn_ - framesBefore);
    return std::max(0.0, untilNext);
}

void TankRunner::DrawFrame(double nowMs) {
    if (!DrawsFrames()) return;
    pacer_.FrameStarted(nowMs);
    for (Tank& tank : tanks_) {
        if (!tank.drawer || !tank.surface.Visible() || !tank.surface.MakeCurrent()) continue;
        const ScreenSize size = tank.surface.PixelSize();
        tank.scene.Resize(size.width, size.height);
        if (session_) {
            const CustomBackgroundList& pictures = session_->Pictures();
            tank.scene.SetCustomBackground(
                {pictures.CustomBackgroundOn(), pictures.CurrentTexture()});
        }
        tank.scene.Advance(tank.drawer->Picker());
        tank.drawer->Draw(tank.scene);
        if (frameRate_) tank.drawer->DrawReadout(frameRate_->Text());
        if (frameObserver_) frameObserver_(nowMs);
        tank.surface.ShowFrame();
    }
    if (session_) session_->AfterFrame();
    ++framesDrawn_;
}

void TankRunner::FollowTimeOfDay(TimeOfDay timeOfDay) {
    timeOfDay_ = std::move(timeOfDay);
    daylight_ = Daylight{};
    clock_ = ClockFace{};
    clockMinute_ = -1;
    ShowTimeOfDay();
}

// The clock's text is made again only when its minute changes.
void TankRunner::ShowTimeOfDay() {
    if (!timeOfDay_.secondOfDay) return;
    const int second = timeOfDay_.secondOfDay();
    if (timeOfDay_.dayNight) daylight_ = DaylightAt(second / 60.0);
    if (timeOfDay_.clock) {
        const int minute = second / 60;
        if (minute != clockMinute_) clock_.text = ClockText(minute, timeOfDay_.locale);
        clockMinute_ = minute;
        clock_.place = ClockPlace(second);
    }
    for (Tank& tank : tanks_) ShowTimeOfDayIn(tank.scene);
}

void TankRunner::ShowTimeOfDayIn(AquariumScene& scene) const {
    if (!timeOfDay_.secondOfDay) return;
    scene.SetDaylight(daylight_);
    scene.SetClock(clock_);
}

void TankRunner::TickSession() {
    ShowTimeOfDay();
    if (session_) session_->Tick();
    // What the frames, the media engine and the dialogs let go stays in the
    // heap's pages (some 6 MB after the start) unless handed back.
    if (++ticksSinceTrim_ * TankSession::kTickMs >= kTrimPeriodMs) {
        ReturnFreedMemoryToTheSystem();
        ticksSinceTrim_ = 0;
    }
}

void TankRunner::Release() {
    for (Tank& tank : tanks_) {
        if (!tank.drawer) continue;
        tank.surface.MakeCurrent();
        tank.drawer.reset();
    }
}

// The user's pictures are loaded where the first tank draws.
unsigned TankRunner::LoadPicture(const std::string& path) {
    if (tanks_.empty()) return 0;
    Tank& tank = tanks_.front();
    if (!tank.drawer || !tank.surface.MakeCurrent()) return 0;
    return tank.drawer->LoadPicture(path);
}

void TankRunner::ReleasePicture(unsigned texture) {
    if (tanks_.empty()) return;
    Tank& tank = tanks_.front();
    if (!tank.drawer || !tank.surface.MakeCurrent()) return;
    tank.drawer->ReleasePicture(texture);
}
