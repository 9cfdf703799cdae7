#include "ui/TankLoop.h"

#include <cmath>

#include <wx/app.h>

#include "core/runner/SteadyClock.h"
#include "core/runner/TankRunner.h"

namespace {
constexpr double kFirstWakeMs = 1.0;
}  // namespace

TankLoop::TankLoop(TankRunner& runner) : runner_(runner), timer_(this) {
    Bind(wxEVT_TIMER, [this](wxTimerEvent&) { RunDue(); });
    wxTheApp->Bind(wxEVT_IDLE, &TankLoop::OnIdle, this);
}

TankLoop::~TankLoop() {
    Stop();
    if (wxTheApp) wxTheApp->Unbind(wxEVT_IDLE, &TankLoop::OnIdle, this);
}

// The first frame comes through the event loop, as every frame after it.
void TankLoop::Start() {
    running_ = true;
    Wake(kFirstWakeMs, true);
}

void TankLoop::Wake(double delayMs, bool forFrame) {
    timerDueMs_ = SteadyNowMs() + delayMs;
    wakesForFrame_ = forFrame;
    timer_.StartOnce(static_cast<int>(std::ceil(delayMs)));
}

void TankLoop::Stop() {
    running_ = false;
    timer_.Stop();
}

// What is due now runs at once, and the timer is set for what is due next,
// unless it already wakes the loop sooner.
void TankLoop::RunDue() {
    if (!running_) return;
    const double delayMs = runner_.RunDue(SteadyNowMs());
    if (delayMs <= 0.0) return;
    if (timer_.IsRunning() && timerDueMs_ <= SteadyNowMs() + delayMs) return;
    Wake(delayMs, runner_.DrawsFrames());
}

// A frame already due is drawn here and now, without a timer's round trip (a
// millisecond or more a frame), and idle events keep coming while frames are
// due at once. A frame the timer waits for is left to it; a wait for the
// session's tick alone is cut short by a window shown again.
void TankLoop::OnIdle(wxIdleEvent& event) {
    event.Skip();
    if (!running_ || (timer_.IsRunning() && wakesForFrame_)) return;
    RunDue();
    if (!timer_.IsRunning()) event.RequestMore();
}
