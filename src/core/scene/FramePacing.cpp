#include "core/scene/FramePacing.h"

#include <algorithm>

namespace {
constexpr double kUnknownRefreshHz = 60.0;
// Frames over which a swap said to wait for the refresh is checked.
constexpr int kSwapCheckFrames = 30;

double RefreshPeriodMs(double refreshHz) {
    return 1000.0 / (refreshHz > 0.0 ? refreshHz : kUnknownRefreshHz);
}

double PacedPeriodMs(double refreshHz, int maxFps, bool swapWaitsForRefresh) {
    if (maxFps == 0) return 0.0;
    const double refreshPeriodMs = RefreshPeriodMs(refreshHz);
    if (maxFps < 0 || 1000.0 / maxFps <= refreshPeriodMs) {
        return swapWaitsForRefresh ? 0.0 : refreshPeriodMs;
    }
    return 1000.0 / maxFps;
}
}  // namespace

FramePacer::FramePacer(double refreshHz, int maxFps, bool swapWaitsForRefresh)
    : refreshPeriodMs_(RefreshPeriodMs(refreshHz)),
      periodMs_(PacedPeriodMs(refreshHz, maxFps, swapWaitsForRefresh)),
      checkingSwap_(maxFps != 0 && periodMs_ == 0.0) {}

// Frames faster than four fifths of the refresh rate on average mean the
// swaps do not wait.
void FramePacer::CheckSwapWaits(double nowMs) {
    if (framesChecked_++ == 0) firstFrameMs_ = nowMs;
    if (framesChecked_ <= kSwapCheckFrames) return;
    checkingSwap_ = false;
    if ((nowMs - firstFrameMs_) / kSwapCheckFrames < 0.8 * refreshPeriodMs_) {
        periodMs_ = refreshPeriodMs_;
    }
}

void FramePacer::FrameStarted(double nowMs) {
    if (checkingSwap_) CheckSwapWaits(nowMs);
    if (periodMs_ <= 0.0) return;
    // Due times step by whole periods so that the rate holds on average
    // whatever the timer's granularity.
    if (!dueMs_ || nowMs - *dueMs_ >= periodMs_) {
        dueMs_ = nowMs + periodMs_;
    } else {
        *dueMs_ += periodMs_;
    }
}

double FramePacer::DelayMs(double nowMs) {
    if (periodMs_ <= 0.0 || !dueMs_) return 0.0;
    return std::max(0.0, *dueMs_ - nowMs);
}
