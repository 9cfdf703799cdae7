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
