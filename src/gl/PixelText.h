#pragma once

#include <array>
#include <string_view>

#include "gl/OverlayFont.h"

// Text in the help text's letters placed in the viewport's pixels, unlit and
// untextured, in front of everything: the scene's camera, fog and depth do
// not reach it. The pass leaves the frame's GL state as it found it.
class PixelTextPass {
  public:
    PixelTextPass();
    ~PixelTextPass();
    PixelTextPass(const PixelTextPass&) = delete;
    PixelTextPass& operator=(const PixelTextPass&) = delete;

    // The viewport's width and height in pixels.
    std::array<float, 2> ViewSize() const { return viewSize_; }
    // `text` on the baseline from (x, y), `em` pixels high, in `colour`.
    void Print(const GlyphLists& font, std::string_view text, float x, float y, float em,
               const std::array<float, 3>& colour) const;

  private:
    std::array<float, 2> viewSize_{};
};
