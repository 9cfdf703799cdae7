#include "gl/BubbleEmitterGl.h"

void GlBubblePainter::BindTexture() {
    glBindTexture(GL_TEXTURE_2D, texture_);
}

void GlBubblePainter::SetColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    glColor3ub(red, green, blue);
}

// The texture's first coordinate runs up the square and its second to the
// right: the image lies mirrored about its diagonal, unseen on a round bubble.
void GlBubblePainter::Square(float x, float y, float z, float s) {
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(x - s, y - s, z);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(x - s, y + s, z);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(x + s, y + s, z);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(x + s, y - s, z);
    glEnd();
}
