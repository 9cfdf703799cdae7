#pragma once

#include "core/tank/CatchMarker.h"

class DisplayListCache;

// Draws the net as the cached wire cone (base radius 3, height 1, apex toward
// +z) at the marker's place, inside its own push and pop of the matrix.
class GlCatchMarkerPainter : public CatchMarkerPainter {
  public:
    explicit GlCatchMarkerPainter(DisplayListCache& shapes) : shapes_(shapes) {}
    void DrawCone(const std::array<float, 3>& at, float spinDegrees) override;

  private:
    DisplayListCache& shapes_;
};
