#include "art/Canvas.h"

#include <algorithm>
#include <cmath>

Rgb Mix(const Rgb& a, const Rgb& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(const Rgb& c, float factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}

Rgb Add(const Rgb& a, const Rgb& b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}

Rgb FromHex(std::uint32_t rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f};
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::Blend(int x, int y, const Rgb& colour, float alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Rgb& pixel = At(x, y);
    pixel = Mix(pixel, colour, std::clamp(alpha, 0.0f, 1.0f));
}

void Canvas::Paste(const Canvas& source, int x, int y, int factor) {
    for (int sy = 0; sy < source.Height() * factor; ++sy) {
        for (int sx = 0; sx < source.Width() * factor; ++sx) {
            Blend(x + sx, y + sy, source.At(sx / factor, sy / factor), 1.0f);
        }
    }
}

std::vector<std::uint8_t> Canvas::ToRgb8() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(pixels_.size() * 3);
    for (const Rgb& p : pixels_) {
        for (float channel : {p.r, p.g, p.b}) {
            bytes.push_back(
                static_cast<std::uint8_t>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f)));
        }
    }
    return bytes;
}
