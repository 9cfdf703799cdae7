#pragma once

#include <GL/gl.h>

#include "fish/FoodPellet.h"

// Compiles the flake shared by all pellets: a flat tan ellipse 0.6 x 0.3 in the
// x-y plane, drawn untextured and leaving white colour and texturing on.
GLuint BuildFlakeList();

// Draws pellets with GL: translates to the anchor and replays the flake list.
class GlPelletPainter : public PelletPainter {
  public:
    void MoveToAnchor(const std::array<float, 3>& anchor) override;
    void DrawFlake(float spinY, const std::array<float, 3>& offset, float spinX,
                   std::uint32_t displayList) override;
};
