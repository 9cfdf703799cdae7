#include <gtest/gtest.h>

#include "core/scene/SettingsColours.h"
#include "core/settings/AquariumSettings.h"
#include "core/tank/TankBounds.h"
#include "gl/Backdrop.h"
#include "gl/FrameCamera.h"
#include "gl/GlSceneState.h"
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

// Black after a start without settings; lit in full, and dimmed to GL's global
// ambient light, a fifth, when light 1 is off at full reduction.
TEST(Backdrop, SolidColourFollowsTheSettingAndTheLight) {
    GlTestContext gl(64, 36);
    ASSERT_TRUE(gl.Ok());
    const struct {
        int backColor, lightReduction, green;
    } cases[] = {{AquariumSettings{}.backColor, 0, 0}, {0x00FF00, 0, 255}, {0x00FF00, 100, 51}};
    for (const auto& c : cases) {
        AquariumSettings settings;
        settings.backColor = c.backColor;
        settings.lightReduction = c.lightReduction;
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        DrawBackdropFrame(gl, settings);
        EXPECT_TRUE(ColourNear(gl.Pixel(32, 18), 0, c.green, 0))
            << c.backColor << " at reduction " << c.lightReduction;
    }
}
