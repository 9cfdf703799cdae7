#pragma once

#include <array>

#include "core/fish/Fish.h"

// The per-frame animation of the fish mesh, computed without GL. Fish::
// ComputePartArrays runs these in order; they are exposed for tests.

// The starting state of each part's wave oscillator (phase 0, tick 0). The fish
// constructor copies them into the record.
constexpr WaveOscillator kBodyWaveOscillator{0.0f, 0, 0.2617994f, 0.01f, 0.7853981f};
constexpr WaveOscillator kDorsalWaveOscillator{0.0f, 0, 0.3926991f, 0.03f, 0.3926991f};
constexpr WaveOscillator kPectoralWaveOscillator{0.0f, 0, 0.6283185f, 0.05f, 0.3926991f};
constexpr WaveOscillator kPelvicWaveOscillator{0.0f, 0, 0.1308997f, 0.01f, 0.3926991f};
constexpr WaveOscillator kAnalWaveOscillator{0.0f, 0, 0.7853981f, 0.01f, 0.5235987f};
constexpr WaveOscillator kTailWaveOscillator{0.0f, 0, 0.7853981f, 0.02f, 0.5235987f};

// Advances the oscillator by one frame (its phase moves every third frame and
// wraps to 0 past 2 pi) and fills wave[first .. count-1] with
// sin(i * wavenumber + phase) * size * amplitude; entries before `first` are
// left as they are.
void StepWave(WaveOscillator& oscillator, float size, float* wave, int first, int count);

// Fills the jaw openings (mesh units, already scaled by size; all 0 while the
// mouth is closed), then runs the mouth toggle, which draws from CrtRand() when
// the mouth timer runs out.
void OpenJaws(Fish& fish, std::array<float, 8>& lowerJaw, std::array<float, 11>& upperJaw);

// Steps the fish's heading toward its target heading and bends the body: the
// head leads and the tail lags during a turn, then the body straightens. Fills
// one yaw per body station, degrees.
void StepBodyYaw(Fish& fish, std::array<float, 19>& yaw);
