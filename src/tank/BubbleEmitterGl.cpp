#include "tank/BubbleEmitterGl.h"

#include "tank/BubbleEmitter.h"

namespace {
class GlBubblePainter : public BubblePainter {
  public:
    explicit GlBubblePainter(GLuint texture) : texture_(texture) {}
    void BindTexture() override { glBindTexture(GL_TEXTURE_2D, texture_); }
    void SetColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
        glColor3ub(red, green, blue);
    }
    // The texture's first coordinate runs up the square and its second to the
    // right: the image lies mirrored about its diagonal, unseen on a round bubble.
    void Square(float x, float y, float z, float s) override {
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

  private:
    GLuint texture_;
};
}  // namespace

void DrawBubbleEmitterGl(BubbleEmitter& emitter, int n, GLuint texture) {
    GlBubblePainter painter(texture);
    emitter.Draw(n, painter);
}
