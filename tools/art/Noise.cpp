#include "art/Noise.h"

#include <cmath>

float Hash01(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return static_cast<float>(h & 0xFFFFFFu) / static_cast<float>(0xFFFFFFu);
}

namespace {
float Smooth(float t) {
    return t * t * (3.0f - 2.0f * t);
}

std::int32_t Wrap(std::int32_t i, int period) {
    if (period <= 0) return i;
    const std::int32_t m = i % period;
    return m < 0 ? m + period : m;
}
}  // namespace

float ValueNoise(float x, float y, std::uint32_t seed, int periodX) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx);
    const auto iy = static_cast<std::int32_t>(fy);
    const float tx = Smooth(x - fx);
    const float ty = Smooth(y - fy);
    const float a = Hash01(Wrap(ix, periodX), iy, seed);
    const float b = Hash01(Wrap(ix + 1, periodX), iy, seed);
    const float c = Hash01(Wrap(ix, periodX), iy + 1, seed);
    const float d = Hash01(Wrap(ix + 1, periodX), iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float FractalNoise(float x, float y, std::uint32_t seed, int octaves, int periodX) {
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u, periodX) * weight;
        total += weight;
        weight *= 0.5f;
        x *= 2.0f;
        y *= 2.0f;
        periodX *= 2;
    }
    return sum / total;
}
