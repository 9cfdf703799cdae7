#include <gtest/gtest.h>

#include "gl/DisplayListCache.h"
#include "gl/OverlayFont.h"
#include "support/GlTestContext.h"

namespace {
// A view where a one-unit letter at the origin fills most of the surface.
void LookAtOrigin() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.25, 1.25, -0.5, 1.0, -10.0, 10.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_TEXTURE_2D);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1.0f, 1.0f, 1.0f);
}

int LitPixels(const GlTestContext& gl) {
    int lit = 0;
    for (int y = 0; y < gl.Height(); y += 2) {
        for (int x = 0; x < gl.Width(); x += 2) lit += gl.Pixel(x, y)[0] > 128 ? 1 : 0;
    }
    return lit;
}

int ListCount() {
    int lists = 0;
    for (GLuint name = 1; name < 2000; ++name) lists += glIsList(name) ? 1 : 0;
    return lists;
}
}  // namespace

TEST(OverlayFont, LettersAreSolidAndCode255DrawsNothing) {
    GlTestContext gl(64, 64);
    ASSERT_TRUE(gl.Ok());
    const GLuint base = BuildFont();
    ASSERT_NE(base, 0u);

    LookAtOrigin();
    glPrint(base, "W");
    EXPECT_GT(LitPixels(gl), 50);

    LookAtOrigin();
    glPrint(base, "\xff");
    EXPECT_EQ(LitPixels(gl), 0);
    EXPECT_TRUE(glIsList(base + 255));
}

TEST(OverlayFont, LongTextIsCutNotOverrun) {
    GlTestContext gl(16, 16);
    ASSERT_TRUE(gl.Ok());
    const GLuint base = BuildFont();
    const std::string longText(4000, 'x');
    glPrint(base, "%s", longText.c_str());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(DisplayListCache, OneListPerDistinctSizeReplayedAfterwardsAndFreedWithTheCache) {
    GlTestContext gl(16, 16);
    ASSERT_TRUE(gl.Ok());
    {
        DisplayListCache shapes;
        shapes.CallSphere(1.0);
        shapes.CallSphere(1.0);
        EXPECT_EQ(ListCount(), 1);
        shapes.CallSphere(2.0);
        EXPECT_EQ(ListCount(), 2);
        shapes.CallCone(1.5, 1.0);
        shapes.CallCone(1.5, 1.0);
        shapes.CallCone(1.5, 2.0);
        EXPECT_EQ(ListCount(), 4);
    }
    EXPECT_EQ(ListCount(), 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
