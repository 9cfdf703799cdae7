#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include <GL/gl.h>

// A current GL context on an off-screen GLX pbuffer of the given size, on the X
// display named by $DISPLAY (the test command runs under xvfb-run). Depth
// buffer and double-buffered-like RGBA, as the scene's own visual.
class GlTestContext {
  public:
    GlTestContext(int width, int height);
    ~GlTestContext();
    GlTestContext(const GlTestContext&) = delete;
    GlTestContext& operator=(const GlTestContext&) = delete;

    bool Ok() const { return ok_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The colour at (x, y), origin bottom left, after glFinish.
    std::array<std::uint8_t, 4> Pixel(int x, int y) const;

  private:
    struct Native;
    Native* native_;
    bool ok_ = false;
    int width_;
    int height_;
};

// True when two colours differ by at most `tolerance` in every channel.
bool ColourNear(const std::array<std::uint8_t, 4>& actual, int red, int green, int blue,
                int tolerance = 2);

// Width and height of level 0 of the bound texture.
std::pair<GLint, GLint> BoundTextureSize();
// Level 0 of the bound texture as red-green-blue-alpha bytes, rows bottom first.
std::vector<std::uint8_t> BoundTexels();
