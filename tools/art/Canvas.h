#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A colour with channels in 0..1.
struct Rgb {
    float r = 0.0f, g = 0.0f, b = 0.0f;
};

Rgb Mix(const Rgb& a, const Rgb& b, float t);
Rgb Scale(const Rgb& c, float factor);
Rgb Add(const Rgb& a, const Rgb& b);
Rgb FromHex(std::uint32_t rgb);  // 0xRRGGBB

class RgbaCanvas;

// A picture being painted. Row 0 is the top row; x grows to the right.
class Canvas {
  public:
    Canvas(int width, int height, Rgb fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    const Rgb& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    Rgb& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    // Lays `colour` over the pixel with opacity `alpha` (0..1); outside: nothing.
    void Blend(int x, int y, const Rgb& colour, float alpha);

    // Copies `source` scaled by a whole factor with its top left at (x, y).
    void Paste(const Canvas& source, int x, int y, int factor = 1);

    // Lays `source` over this canvas, scaled by a whole factor, honouring its alpha.
    void Composite(const RgbaCanvas& source, int x, int y, int factor = 1);

    // 8-bit red-green-blue, top row first, no padding.
    std::vector<std::uint8_t> ToRgb8() const;

  private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// A picture with an alpha channel for artwork shown over something else (menu
// icons, cursors). Starts fully transparent; colours are kept unpremultiplied.
class RgbaCanvas {
  public:
    RgbaCanvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const Rgb& ColourAt(int x, int y) const { return colours_[Index(x, y)]; }
    float AlphaAt(int x, int y) const { return alphas_[Index(x, y)]; }

    // Lays `colour` over the pixel with opacity `alpha` (0..1), as paint over
    // whatever is there already; outside: nothing.
    void Blend(int x, int y, const Rgb& colour, float alpha);

    // Lays `source` over this picture with its top left at (x, y).
    void Composite(const RgbaCanvas& source, int x, int y);

    // 8-bit red-green-blue-alpha, top row first, no padding.
    std::vector<std::uint8_t> ToRgba8() const;

  private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<Rgb> colours_;
    std::vector<float> alphas_;
};

// `source` shrunk to width x height by averaging the area each new pixel
// covers (alpha-weighted, so transparent pixels lend no colour).
RgbaCanvas Shrink(const RgbaCanvas& source, int width, int height);
