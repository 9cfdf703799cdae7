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

// Draws a pellet's flake in its pose, leaving the matrix as it was.
void DrawFlake(const GlFoodFlake& flake, const FlakePose& pose);
