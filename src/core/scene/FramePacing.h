#pragma once

#include <optional>

// When the next frame is due. Frames go no faster than the display refreshes
// (or than a lower limit the user asked for), unless the limit is 0, which
// means as fast as they can be drawn. Where the driver waits for the refresh
// at each swap the timer only has to honour a lower limit; a driver that
// takes the request and then does not wait (software GL under a virtual X
// server) shows in the first frames' rate, and the timer paces from then on.
class FramePacer {
  public:
    // `refreshHz` 0 when the display does not say (60 is taken); `maxFps` 0 for
    // no limit, negative for none beyond the refresh.
    FramePacer(double refreshHz, int maxFps, bool swapWaitsForRefresh);

    // The wait, in milliseconds from `nowMs`, before the next frame; called
    // once the last frame is drawn. A frame that is late is due at once; a
    // pacer that has fallen a whole period behind (the window was hidden)
    // starts afresh rather than catching up.
    double DelayMs(double nowMs);
    // A frame starts now.
    void FrameStarted(double nowMs);

    // The period frames are paced to, ms; 0 when the timer need not wait.
    double PeriodMs() const { return periodMs_; }

  private:
    void CheckSwapWaits(double nowMs);

    double refreshPeriodMs_;
    double periodMs_;
    std::optional<double> dueMs_;
    bool checkingSwap_;
    int framesChecked_ = 0;
    double firstFrameMs_ = 0.0;
};
