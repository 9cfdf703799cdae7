#include "TestSkin.h"

#include <algorithm>
#include <cmath>

#include "fish/SkinLayout.h"

namespace {
struct Rgb {
    float r, g, b;
};

Rgb Mix(Rgb a, Rgb b, float f) {
    return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f};
}

bool Inside(const SkinRegion& region, float s, float t) {
    return s >= region.s0 && s < region.s1 && t >= region.t0 && t < region.t1;
}

// u, v: 0..1 across the region (s, t).
Rgb BodyColour(Rgb back, Rgb belly, float u, float v) {
    Rgb c = Mix(belly, back, std::pow(v, 1.5f));
    if (std::fmod(u * 5.0f + 0.35f, 1.0f) < 0.14f && u > 0.15f)
        c = Mix(c, {0.1f, 0.1f, 0.12f}, 0.6f);
    const float gillU = 0.17f + 0.05f * std::sin(v * 3.1416f);
    if (std::fabs(u - gillU) < 0.012f) c = Mix(c, {0.2f, 0.1f, 0.1f}, 0.5f);
    return c;
}

Rgb FinColour(Rgb tint, float u, float v) {
    Rgb c = Mix(tint, {1.0f, 1.0f, 1.0f}, 0.35f + 0.3f * v);
    if (std::fmod(u * 8.0f, 1.0f) < 0.25f) c = Mix(c, tint, 0.7f);
    return c;
}

Rgb EyeColour(float u, float v) {
    const float r = std::hypot(u - 0.5f, v - 0.5f) * 2.0f;
    if (std::hypot(u - 0.38f, v - 0.62f) < 0.1f) return {1.0f, 1.0f, 1.0f};
    if (r < 0.45f) return {0.02f, 0.02f, 0.02f};
    if (r < 0.8f) return {0.85f, 0.7f, 0.2f};
    return {0.95f, 0.95f, 0.9f};
}
}  // namespace

std::vector<std::uint8_t> PaintTestSkin(int species) {
    using namespace SkinLayout;
    const float hue = static_cast<float>(species) * 0.61f;
    const Rgb back{0.5f + 0.5f * std::sin(hue), 0.35f + 0.3f * std::sin(hue + 2.0f),
                   0.4f + 0.4f * std::sin(hue + 4.0f)};
    const Rgb belly{0.98f, 0.92f, 0.75f};
    std::vector<std::uint8_t> rgba(kWidthPx * kHeightPx * 4);
    for (int row = 0; row < kHeightPx; ++row) {
        for (int col = 0; col < kWidthPx; ++col) {
            const float s = (static_cast<float>(col) + 0.5f) / kWidthPx;
            const float t = (static_cast<float>(row) + 0.5f) / kHeightPx;
            const auto across = [&](const SkinRegion& r) { return (s - r.s0) / (r.s1 - r.s0); };
            const auto up = [&](const SkinRegion& r) { return (t - r.t0) / (r.t1 - r.t0); };
            Rgb c{};
            if (Inside(kBody, s, t)) c = BodyColour(back, belly, across(kBody), up(kBody));
            if (Inside(kFin, s, t)) c = FinColour(back, across(kFin), up(kFin));
            if (Inside(kTail, s, t)) c = FinColour(back, up(kTail) * 1.7f, across(kTail));
            if (Inside(kJaw, s, t)) {
                const float v = up(kJaw);
                c = std::fabs(v - 0.5f) < 0.09f ? Rgb{0.45f, 0.15f, 0.15f}
                                                : Mix(belly, back, v > 0.5f ? 0.8f : 0.1f);
            }
            if (Inside(kEye, s, t)) c = EyeColour(across(kEye), up(kEye));
            std::uint8_t* px = &rgba[(row * kWidthPx + col) * 4];
            px[0] = static_cast<std::uint8_t>(std::clamp(c.r, 0.0f, 1.0f) * 255.0f);
            px[1] = static_cast<std::uint8_t>(std::clamp(c.g, 0.0f, 1.0f) * 255.0f);
            px[2] = static_cast<std::uint8_t>(std::clamp(c.b, 0.0f, 1.0f) * 255.0f);
            px[3] = 255;
        }
    }
    return rgba;
}

GLuint UploadTestSkin(const std::vector<std::uint8_t>& rgba) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, SkinLayout::kWidthPx, SkinLayout::kHeightPx, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, rgba.data());
    return texture;
}
