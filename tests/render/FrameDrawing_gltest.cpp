#include <gtest/gtest.h>

#include <tuple>

#include "core/scene/SettingsColours.h"
#include "core/settings/AquariumSettings.h"
#include "core/tank/TankBounds.h"
#include "gl/Backdrop.h"
#include "gl/FrameCamera.h"
#include "gl/GlSceneState.h"
#include "gl/Overlay.h"
#include "gl/OverlayFont.h"
#include "support/GlTestContext.h"

namespace {
// One frame's worth of the steps that precede the fish: camera, clear, light, backdrop.
void DrawBackdropFrame(const GlTestContext& gl, const AquariumSettings& settings) {
    SetUpSceneGlState();
    ApplyFrameCamera(1920, 1080, -5.0f);
    glViewport(0, 0, gl.Width(), gl.Height());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const float level = LightLevel(settings.lightReduction);
    ApplyLight({level, level, level});
    DrawBackdrop(settings, TankBoundsForScreen(1920, 1080));
}
}  // namespace

// Black after a start without settings; lit in full, and dimmed to GL's global
// ambient light, a fifth, when light 1 is off at full reduction; a gradient
// runs from the top colour at the top to the bottom colour at the bottom.
TEST(Backdrop, SolidColourOrGradientFollowsTheSettingsAndTheLight) {
    GlTestContext gl(64, 36);
    ASSERT_TRUE(gl.Ok());
    const std::tuple<int, int, int> cases[] = {
        {AquariumSettings{}.backColor, 0, 0}, {0x00FF00, 0, 255}, {0x00FF00, 100, 51}};
    for (const auto& [backColor, lightReduction, green] : cases) {
        AquariumSettings settings;
        settings.backColor = backColor;
        settings.lightReduction = lightReduction;
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        DrawBackdropFrame(gl, settings);
        EXPECT_TRUE(ColourNear(gl.Pixel(32, 18), 0, green, 0))
            << backColor << " at reduction " << lightReduction;
    }
    AquariumSettings settings;
    settings.backGradient = 1;
    settings.backColor1 = 0x0000FF;  // red: the low byte
    settings.backColor2 = 0xFF0000;
    DrawBackdropFrame(gl, settings);
    for (int x : {0, 32, 63}) {
        EXPECT_TRUE(ColourNear(gl.Pixel(x, 35), 255, 0, 0, 64) &&
                    ColourNear(gl.Pixel(x, 0), 0, 0, 255, 64))
            << x;
    }
}

// Whatever picture the frame left bound must not darken the help text.
TEST(Overlay, HelpTextShowsInTheUpperMiddleOverABoundDarkPicture) {
    GlTestContext gl(320, 180);
    ASSERT_TRUE(gl.Ok());
    const GLubyte black[4] = {0, 0, 0, 255};
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, black);
    glEnable(GL_TEXTURE_2D);
    const HelpTextLines help = HelpText(false);
    GlyphLists font = BuildFont(help[0] + help[1] + help[2] + help[3], "");
    ApplyFrameCamera(gl.Width(), gl.Height(), -5.0f);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(1.0f, 1.0f, 1.0f);
    DrawOverlay(font, help);
    int lit = 0;
    for (int y = 60; y < 135; ++y) {
        for (int x = 80; x < 240; ++x) lit += gl.Pixel(x, y)[0] > 128 ? 1 : 0;
    }
    EXPECT_GT(lit, 200);
    DeleteFont(font);
}
