#include <gtest/gtest.h>

#include "render/Backdrop.h"
#include "render/FrameCamera.h"
#include "render/FrameSetup.h"
#include "render/GlSceneState.h"
#include "render/TankBounds.h"
#include "settings/AquariumSettings.h"
#include "support/GlTestContext.h"

namespace {
constexpr int kRed = 0x0000FF;
constexpr int kBlue = 0xFF0000;

// One frame's worth of the steps that precede the fish: camera, clear, light, backdrop.
void DrawBackdropFrame(const GlTestContext& gl, const AquariumSettings& settings) {
    SetUpSceneGlState();
    ApplyFrameCamera(1920, 1080, -5.0f);
    glViewport(0, 0, gl.Width(), gl.Height());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    ApplyLightLevel(LightLevel(settings.lightReduction));
    DrawBackdrop(settings, TankBoundsForScreen(1920, 1080));
}
}  // namespace

TEST(Backdrop, GradientShowsTopColourAtTheTopAndBottomColourAtTheBottom) {
    GlTestContext gl(192, 108);
    ASSERT_TRUE(gl.Ok());
    AquariumSettings settings;
    settings.backGradient = 1;
    settings.backColor1 = kRed;
    settings.backColor2 = kBlue;
    DrawBackdropFrame(gl, settings);
    for (int x : {0, 96, 191}) {
        const auto top = gl.Pixel(x, 107);
        const auto bottom = gl.Pixel(x, 0);
        EXPECT_GT(top[0], 200) << "x=" << x;
        EXPECT_LT(top[2], 64) << "x=" << x;
        EXPECT_GT(bottom[2], 200) << "x=" << x;
        EXPECT_LT(bottom[0], 64) << "x=" << x;
    }
}

TEST(Backdrop, SolidQuadAloneIsBlackAfterADefaultStart) {
    GlTestContext gl(64, 36);
    ASSERT_TRUE(gl.Ok());
    AquariumSettings settings;
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    DrawBackdropFrame(gl, settings);
    EXPECT_TRUE(ColourNear(gl.Pixel(32, 18), 0, 0, 0));
}

TEST(Backdrop, SolidColourIsLitAtFullLightAndDimmedToTheGlobalAmbientAtFullReduction) {
    GlTestContext gl(64, 36);
    ASSERT_TRUE(gl.Ok());
    AquariumSettings settings;
    settings.backColor = 0x00FF00;
    DrawBackdropFrame(gl, settings);
    EXPECT_TRUE(ColourNear(gl.Pixel(32, 18), 0, 255, 0));
    settings.lightReduction = 100;
    DrawBackdropFrame(gl, settings);
    // Light 1 is off; only GL's global ambient light, a fifth, is left.
    EXPECT_TRUE(ColourNear(gl.Pixel(32, 18), 0, 51, 0));
}

TEST(FrameCamera, TallScreenGrowsTheVerticalExtentOnly) {
    GlTestContext gl(8, 8);
    ASSERT_TRUE(gl.Ok());
    ApplyFrameCamera(800, 1600, -5.0f);
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[0], 2.0 / 0.8, 1e-9);
    EXPECT_NEAR(projection[5], 2.0 / 1.6, 1e-9);
}
