#pragma once

#include <GL/gl.h>

#include "core/fish/FoodPellet.h"

// The flake shared by all pellets, compiled into a display list when made and
// freed with it: a flat tan ellipse 0.6 x 0.3 in the x-y plane, drawn
// untextured and leaving white colour and texturing on.
class GlFoodFlake {
  public:
    GlFoodFlake();
    ~GlFoodFlake();
    GlFoodFlake(const GlFoodFlake&) = delete;
    GlFoodFlake& operator=(const GlFoodFlake&) = delete;

    GLuint List() const { return list_; }

  private:
    GLuint list_;
};

// Draws pellets with GL by replaying the flake.
class GlPelletPainter : public PelletPainter {
  public:
    explicit GlPelletPainter(const GlFoodFlake& flake) : flake_(flake) {}
    void DrawFlake(const std::array<float, 3>& anchor, float spinY,
                   const std::array<float, 3>& offset, float spinX) override;

  private:
    const GlFoodFlake& flake_;
};
