#include <cmath>

#include "core/fish/FishAnimation.h"

namespace {
constexpr float kFullTurn = 6.283185f;
}

void StepWave(WaveOscillator& oscillator, float size, float* wave, int first, int count) {
    const bool advance = oscillator.tick > 1;
    oscillator.tick += 1;
    if (advance) {
        oscillator.phase += oscillator.phaseStep;
        oscillator.tick = 0;
        if (oscillator.phase > kFullTurn) oscillator.phase = 0.0f;
    }
    for (int i = first; i < count; ++i) {
        wave[i] = std::sin(static_cast<float>(i) * oscillator.wavenumber + oscillator.phase) *
                  size * oscillator.amplitude;
    }
}
