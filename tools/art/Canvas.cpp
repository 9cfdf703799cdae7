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

void Canvas::Composite(const RgbaCanvas& source, int x, int y, int factor) {
    for (int sy = 0; sy < source.Height() * factor; ++sy) {
        for (int sx = 0; sx < source.Width() * factor; ++sx) {
            Blend(x + sx, y + sy, source.ColourAt(sx / factor, sy / factor),
                  source.AlphaAt(sx / factor, sy / factor));
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

RgbaCanvas::RgbaCanvas(int width, int height)
    : width_(width),
      height_(height),
      colours_(static_cast<std::size_t>(width) * height),
      alphas_(static_cast<std::size_t>(width) * height, 0.0f) {}

void RgbaCanvas::Blend(int x, int y, const Rgb& colour, float alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    alpha = std::clamp(alpha, 0.0f, 1.0f);
    if (alpha <= 0.0f) return;
    Rgb& under = colours_[Index(x, y)];
    float& underAlpha = alphas_[Index(x, y)];
    const float kept = underAlpha * (1.0f - alpha);
    const float total = alpha + kept;
    under = Scale(Add(Scale(colour, alpha), Scale(under, kept)), 1.0f / total);
    underAlpha = total;
}

void RgbaCanvas::Composite(const RgbaCanvas& source, int x, int y) {
    for (int sy = 0; sy < source.Height(); ++sy) {
        for (int sx = 0; sx < source.Width(); ++sx) {
            Blend(x + sx, y + sy, source.ColourAt(sx, sy), source.AlphaAt(sx, sy));
        }
    }
}

std::vector<std::uint8_t> RgbaCanvas::ToRgba8() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(colours_.size() * 4);
    auto byte = [](float channel) {
        return static_cast<std::uint8_t>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f));
    };
    for (std::size_t i = 0; i < colours_.size(); ++i) {
        const Rgb& c = colours_[i];
        for (float channel : {c.r, c.g, c.b, alphas_[i]}) bytes.push_back(byte(channel));
    }
    return bytes;
}

RgbaCanvas Shrink(const RgbaCanvas& source, int width, int height) {
    RgbaCanvas out(width, height);
    const float stepX = static_cast<float>(source.Width()) / width;
    const float stepY = static_cast<float>(source.Height()) / height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Each source pixel counts by how much of it lies in the new pixel.
            const float x0 = x * stepX, x1 = x0 + stepX, y0 = y * stepY, y1 = y0 + stepY;
            Rgb colour;
            float alpha = 0.0f;
            for (int sy = static_cast<int>(y0); sy < std::min(source.Height(), int(std::ceil(y1)));
                 ++sy) {
                const float wy = std::min(y1, sy + 1.0f) - std::max(y0, float(sy));
                for (int sx = static_cast<int>(x0);
                     sx < std::min(source.Width(), int(std::ceil(x1))); ++sx) {
                    const float wx = std::min(x1, sx + 1.0f) - std::max(x0, float(sx));
                    const float a = source.AlphaAt(sx, sy) * wx * wy;
                    colour = Add(colour, Scale(source.ColourAt(sx, sy), a));
                    alpha += a;
                }
            }
            if (alpha > 0.0f) out.Blend(x, y, Scale(colour, 1.0f / alpha), alpha / (stepX * stepY));
        }
    }
    return out;
}
