#pragma once

#include <GL/gl.h>

#include "core/tank/BubbleEmitter.h"

// Draws bubbles as squares with the bubble texture (0 draws them untextured).
class GlBubblePainter : public BubblePainter {
  public:
    void SetTexture(GLuint texture) { texture_ = texture; }
    void BindTexture() override;
    void SetColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override;
    void Square(float x, float y, float z, float s) override;

  private:
    GLuint texture_ = 0;
};
