// The bubble and the food pellet: small textures drawn from simple formulas.
#include <algorithm>
#include <cmath>

#include "art/Noise.h"
#include "art/Painters.h"
#include "art/Shapes.h"

Canvas PaintBubble() {
    constexpr int kSize = 32;
    Canvas canvas(kSize, kSize);
    const float centre = kSize * 0.5f;
    const float radius = kSize * 0.44f;
    const Rgb rim = FromHex(0xBFEFFF);
    const Rgb glint = FromHex(0xFFFFFF);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float d = std::hypot(x + 0.5f - centre, y + 0.5f - centre) / radius;
            // Thin film: faint inside, bright towards the rim, gone outside.
            const float body = 0.12f + 0.75f * std::pow(std::clamp(d, 0.0f, 1.0f), 4.0f);
            const float inside = 1.0f - SmoothStep(0.96f, 1.04f, d);
            const float highlight =
                std::hypot(x + 0.5f - centre * 0.68f, y + 0.5f - centre * 0.62f);
            const float spark = 1.0f - SmoothStep(1.0f, 3.2f, highlight);
            canvas.At(x, y) = Add(Scale(rim, body * inside), Scale(glint, 0.9f * spark * inside));
        }
    }
    return canvas;
}

Canvas PaintFoodPellet() {
    constexpr int kSize = 64;
    Canvas canvas(kSize, kSize);
    const Rgb dark = FromHex(0x7A3E14);
    const Rgb light = FromHex(0xD88A3A);
    const Rgb fleck = FromHex(0x4E8A2A);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float grain = FractalNoise(x / 6.0f, y / 6.0f, 91, 3, kSize / 6);
            const float crumbs = Hash01(x / 2, y / 2, 92);
            Rgb c = Mix(dark, light, SmoothStep(0.25f, 0.75f, grain));
            if (crumbs > 0.93f) c = Mix(c, fleck, 0.7f);
            if (crumbs < 0.04f) c = Mix(c, FromHex(0xF2D090), 0.6f);
            canvas.At(x, y) = c;
        }
    }
    return canvas;
}
