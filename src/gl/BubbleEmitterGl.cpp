#include "gl/BubbleEmitterGl.h"

// The texture's first coordinate runs up the square and its second to the
// right: the image lies mirrored about its diagonal, unseen on a round bubble.
void DrawBubbleSquares(GLuint texture, const std::vector<BubbleSquare>& squares) {
    glBindTexture(GL_TEXTURE_2D, texture);
    for (const BubbleSquare& square : squares) {
        const float x = square.x;
        const float y = square.y;
        const float z = square.z;
        const float s = square.halfSize;
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
}
