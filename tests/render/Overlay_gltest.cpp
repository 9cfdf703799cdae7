#include <gtest/gtest.h>

#include "gl/FrameCamera.h"
#include "gl/Overlay.h"
#include "gl/OverlayFont.h"
#include "support/GlTestContext.h"

namespace {
// Draws one frame's overlay under the frame camera; returns the lit pixels in
// the upper middle of the screen, where the help text stands.
int OverlayFrame(const GlTestContext& gl, GLuint fontBase) {
    ApplyFrameCamera(gl.Width(), gl.Height(), -5.0f);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(1.0f, 1.0f, 1.0f);
    DrawOverlay(fontBase);
    int lit = 0;
    for (int y = gl.Height() / 3; y < gl.Height() * 3 / 4; y += 2) {
        for (int x = gl.Width() / 4; x < gl.Width() * 3 / 4; x += 2) {
            lit += gl.Pixel(x, y)[0] > 128 ? 1 : 0;
        }
    }
    return lit;
}
}  // namespace

TEST(Overlay, HelpTextShowsInTheUpperMiddleOverAnyBoundPicture) {
    GlTestContext gl(320, 180);
    ASSERT_TRUE(gl.Ok());
    // Whatever picture the frame left bound must not darken the text.
    const GLubyte black[4] = {0, 0, 0, 255};
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, black);
    glEnable(GL_TEXTURE_2D);
    const GLuint fontBase = BuildFont();
    EXPECT_GT(OverlayFrame(gl, fontBase), 100);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}
