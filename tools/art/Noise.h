#pragma once

#include <cstdint>

// Deterministic noise for the painters: the same arguments always give the
// same value on every machine (integer hashing, no random generator).

// A hash of three integers, as a float in 0..1.
float Hash01(std::int32_t x, std::int32_t y, std::uint32_t seed);

// Smooth value noise in 0..1 with features one unit apart; wraps every
// `periodX` units across x when periodX > 0 (for seamless tiling).
float ValueNoise(float x, float y, std::uint32_t seed, int periodX = 0);

// Sum of `octaves` noise layers, each twice as fine and half as strong; 0..1.
float FractalNoise(float x, float y, std::uint32_t seed, int octaves, int periodX = 0);
