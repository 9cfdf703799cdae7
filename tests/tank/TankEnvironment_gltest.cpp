#include <gtest/gtest.h>

#include "core/tank/BackgroundSurface.h"
#include "core/tank/TankBounds.h"
#include "gl/BackgroundSurfaceGl.h"
#include "gl/FoodPelletGl.h"
#include "gl/FrameCamera.h"
#include "gl/GlSceneState.h"
#include "support/GlTestContext.h"

namespace {
const TankBounds kTank = TankBoundsForScreen(1920, 1080);

void StartFrame(const GlTestContext& gl) {
    ApplyFrameCamera(1920, 1080, -5.0f);
    glViewport(0, 0, gl.Width(), gl.Height());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

}  // namespace

TEST(TankEnvironmentGl, BackgroundFillsTheViewMirroredAndAFlakeHangsBelowItsOffset) {
    GlTestContext gl(960, 540);
    ASSERT_TRUE(gl.Ok());
    SetUpSceneGlState();
    // Left texel red, right texel blue, sampled nearest.
    const GLubyte texels[] = {200, 40, 40, 40, 40, 200};
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    StartFrame(gl);
    BackgroundSurface surface;
    surface.UpdateControlNet(kTank, 0);
    DrawBackgroundSurfaceGl(surface);
    // The first texture coordinate runs from 1 at the tank's left to 0 at its right.
    for (int y : {10, 270, 529}) {
        EXPECT_TRUE(ColourNear(gl.Pixel(25, y), 40, 40, 200)) << "left, y=" << y;
        EXPECT_TRUE(ColourNear(gl.Pixel(934, y), 200, 40, 40)) << "right, y=" << y;
    }

    FoodPellet pellet;
    pellet.Place(0.0f, 0.0f, -70.0f);
    pellet.offset = {0.0f, 1.0f, 0.0f};
    pellet.spinX = 0.0f;
    pellet.spinY = 0.0f;
    GlFoodFlake flake;
    GlPelletPainter painter(flake);
    StartFrame(gl);
    pellet.Draw(painter);
    // 60 units in front of the eye the view's half height of 24 units spans 270 pixels,
    // so the flake hangs 0.8 units (9 pixels) above the centre.
    EXPECT_TRUE(ColourNear(gl.Pixel(480, 279), 243, 225, 159));
    GLboolean texturing = GL_FALSE;
    glGetBooleanv(GL_TEXTURE_2D, &texturing);
    EXPECT_TRUE(texturing) << "the flake turns texturing back on";
}
