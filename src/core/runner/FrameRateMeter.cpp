#include "core/runner/FrameRateMeter.h"

#include <algorithm>
#include <cstdio>

bool FrameRateMeter::Worked(double startMs, double endMs, int frames) {
    if (!started_) {
        started_ = true;
        periodStartMs_ = startMs;
    }
    busyMs_ += std::max(0.0, endMs - startMs);
    frames_ += frames;
    const double elapsedMs = endMs - periodStartMs_;
    if (elapsedMs < kPeriodMs) return false;
    const double framesPerSecond = frames_ * 1000.0 / elapsedMs;
    const double loadPercent = std::min(100.0, 100.0 * busyMs_ / elapsedMs);
    char text[64];
    std::snprintf(text, sizeof text, "FPS: %.1f\nLoad: %.1f%%", framesPerSecond, loadPercent);
    text_ = text;
    periodStartMs_ = endMs;
    busyMs_ = 0.0;
    frames_ = 0;
    return true;
}

std::string FrameRateCharacters() {
    // The decimal point is a comma in many languages.
    return "FPSLoad: 0123456789.,%";
}
