#pragma once

#include <string>

// xscreensaver's frame-rate readout: the frames drawn a second and the load,
// the share of the time not spent waiting, each over about a second.
class FrameRateMeter {
  public:
    // The runner worked from `startMs` to `endMs` (on one steady clock) and
    // drew `frames` frames meanwhile; the time between two works is waiting.
    // True when a second or more has passed since the last reading: Text()
    // then holds a new one.
    bool Worked(double startMs, double endMs, int frames);
    // Two lines, "FPS: 59.9" and "Load: 12.3%"; empty before the first second.
    const std::string& Text() const { return text_; }

    static constexpr double kPeriodMs = 1000.0;

  private:
    bool started_ = false;
    double periodStartMs_ = 0.0;
    double busyMs_ = 0.0;
    int frames_ = 0;
    std::string text_;
};

// The characters the readout can show.
std::string FrameRateCharacters();
