#include <gtest/gtest.h>

#include "fish/FoodPelletGl.h"
#include "render/FrameCamera.h"
#include "render/GlSceneState.h"
#include "render/TankBounds.h"
#include "support/GlTestContext.h"
#include "tank/BackgroundSurface.h"
#include "tank/BackgroundSurfaceGl.h"
#include "tank/BubbleColumns.h"
#include "tank/BubbleEmitter.h"
#include "tank/BubbleEmitterGl.h"
#include "tank/CatchMarkerGl.h"

namespace {
const TankBounds kTank = TankBoundsForScreen(1920, 1080);

int CountDisplayLists() {
    int lists = 0;
    for (GLuint name = 1; name <= 40000; ++name) lists += glIsList(name) ? 1 : 0;
    return lists;
}

int CountTextures() {
    int textures = 0;
    for (GLuint name = 1; name <= 4000; ++name) textures += glIsTexture(name) ? 1 : 0;
    return textures;
}

void StartFrame(const GlTestContext& gl) {
    ApplyFrameCamera(1920, 1080, -5.0f);
    glViewport(0, 0, gl.Width(), gl.Height());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// A texture whose left half is `left` and right half `right`, sampled nearest.
GLuint TwoColourTexture(std::array<GLubyte, 3> left, std::array<GLubyte, 3> right) {
    const GLubyte texels[] = {left[0], left[1], left[2], right[0], right[1], right[2]};
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    return texture;
}
}  // namespace

// Hours of screensaver running must not pile up display lists or textures.
TEST(TankEnvironmentGl, TenThousandFramesReserveNoFurtherGlNames) {
    GlTestContext gl(64, 36);
    ASSERT_TRUE(gl.Ok());
    SetUpSceneGlState();
    BackgroundSurface surface;
    BubbleEmitter emitters[kBubbleEmitterCount];
    for (BubbleEmitter& emitter : emitters) {
        emitter.Init(kBubblePoolSize);
        emitter.SetColoured(false);
    }
    CatchMarker marker;
    GlCatchMarkerPainter markerPainter;
    marker.Reset(0.0f, 0.0f, -70.0f, markerPainter);
    const GLuint flake = BuildFlakeList();
    FoodPellet pellets[3];
    for (FoodPellet& pellet : pellets) {
        pellet.Init();
        pellet.displayList = flake;
    }
    GlPelletPainter pelletPainter;

    auto frame = [&](int frameIndex) {
        StartFrame(gl);
        surface.UpdateControlNet(kTank, 0);
        DrawBackgroundSurfaceGl(surface);
        marker.Draw(markerPainter);
        marker.Step(markerPainter);
        for (BubbleEmitter& emitter : emitters) DrawBubbleEmitterGl(emitter, 10, 0);
        for (FoodPellet& pellet : pellets) {
            if (!pellet.IsActive()) {
                // A feed click re-uses the slot.
                pellet.Place(static_cast<float>(frameIndex % 20), 0.0f, -70.0f);
                pellet.SetActive(true);
            }
            glPushMatrix();
            pellet.Draw(pelletPainter);
            glPopMatrix();
        }
    };
    frame(0);
    const int listsBefore = CountDisplayLists();
    const int texturesBefore = CountTextures();
    for (int i = 1; i <= 10000; ++i) frame(i);
    EXPECT_EQ(CountDisplayLists(), listsBefore);
    EXPECT_EQ(CountTextures(), texturesBefore);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(TankEnvironmentGl, BackgroundPictureFillsTheViewMirroredLeftToRight) {
    GlTestContext gl(192, 108);
    ASSERT_TRUE(gl.Ok());
    SetUpSceneGlState();
    const GLuint texture = TwoColourTexture({200, 40, 40}, {40, 40, 200});
    StartFrame(gl);
    BackgroundSurface surface;
    surface.UpdateControlNet(kTank, 0);
    glBindTexture(GL_TEXTURE_2D, texture);
    DrawBackgroundSurfaceGl(surface);
    // The first texture coordinate runs from 1 at the tank's left to 0 at its right.
    for (int y : {2, 54, 105}) {
        EXPECT_TRUE(ColourNear(gl.Pixel(5, y), 40, 40, 200)) << "left, y=" << y;
        EXPECT_TRUE(ColourNear(gl.Pixel(186, y), 200, 40, 40)) << "right, y=" << y;
    }
}

TEST(TankEnvironmentGl, LiveFlakeShowsTanAndAnEatenOneIsGoneNextFrame) {
    GlTestContext gl(960, 540);
    ASSERT_TRUE(gl.Ok());
    SetUpSceneGlState();
    const GLuint flake = BuildFlakeList();
    FoodPellet pellet;
    pellet.Place(0.0f, 0.0f, -70.0f);
    pellet.displayList = flake;
    pellet.offset = {0.0f, 1.0f, 0.0f};
    pellet.spinX = 0.0f;
    pellet.spinY = 0.0f;
    GlPelletPainter painter;
    StartFrame(gl);
    pellet.Draw(painter);
    // 60 units in front of the eye the view's half height of 24 units spans 270 pixels,
    // so the flake hangs 0.8 units (9 pixels) above the centre.
    EXPECT_TRUE(ColourNear(gl.Pixel(480, 279), 243, 225, 159));
    GLboolean texturing = GL_FALSE;
    glGetBooleanv(GL_TEXTURE_2D, &texturing);
    EXPECT_TRUE(texturing) << "the flake turns texturing back on";

    pellet.Eat();
    StartFrame(gl);
    pellet.Draw(painter);
    EXPECT_TRUE(ColourNear(gl.Pixel(480, 279), 0, 0, 0));
    EXPECT_FALSE(pellet.IsActive());
}

TEST(TankEnvironmentGl, BubblesAddLightToWhatIsBehindThem) {
    GlTestContext gl(192, 108);
    ASSERT_TRUE(gl.Ok());
    SetUpSceneGlState();
    glClearColor(0.25f, 0.25f, 0.25f, 1.0f);
    StartFrame(gl);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glColor4f(0.5f, 0.5f, 0.5f, 1.0f);
    BubbleEmitter emitter;
    ASSERT_TRUE(emitter.Init(1));
    emitter.SetColoured(false);
    emitter.particles[0].position[0] = 0.0f;
    emitter.particles[0].position[1] = 0.0f;
    emitter.particles[0].position[2] = 0.0f;
    emitter.particles[0].halfSize = 2.0f;
    glTranslatef(0.0f, 0.0f, -70.0f);
    DrawBubbleEmitterGl(emitter, 1, 0);
    DrawBubbleEmitterGl(emitter, 1, 0);
    // Two overlapping squares: 0.25 + 0.5 + 0.5, clamped to white.
    EXPECT_TRUE(ColourNear(gl.Pixel(97, 54), 255, 255, 255));
    EXPECT_TRUE(ColourNear(gl.Pixel(2, 2), 64, 64, 64));
}
