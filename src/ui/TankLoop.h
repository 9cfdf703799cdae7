#pragma once

#include <wx/event.h>
#include <wx/timer.h>

class TankRunner;

// Runs a tank runner from the toolkit's event loop. What is due runs once the
// event queue has drained, so a frame never queues behind another and input,
// repaints and deferred window deletion are never starved by frames that are
// always due; a one-shot timer wakes the loop when the next thing falls due.
class TankLoop : public wxEvtHandler {
  public:
    explicit TankLoop(TankRunner& runner);
    ~TankLoop() override;
    TankLoop(const TankLoop&) = delete;
    TankLoop& operator=(const TankLoop&) = delete;

    void Start();
    // Nothing runs from here on.
    void Stop();

  private:
    void RunDue();
    // Sets the timer; `forFrame` when a frame is what it waits for.
    void Wake(double delayMs, bool forFrame);
    void OnIdle(wxIdleEvent& event);

    TankRunner& runner_;
    wxTimer timer_;
    double timerDueMs_ = 0.0;
    bool wakesForFrame_ = false;
    bool running_ = false;
};
