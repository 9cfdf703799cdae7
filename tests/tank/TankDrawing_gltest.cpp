#include <gtest/gtest.h>

#include <array>

#include "core/fish/Fish.h"
#include "core/fish/FishVertexBatch.h"
#include "core/fish/MeshRotation.h"
#include "core/tank/BackgroundSurface.h"
#include "core/tank/TankBounds.h"
#include "fish/FishFrame.h"
#include "gl/BackgroundSurfaceGl.h"
#include "gl/FishMeshGl.h"
#include "gl/FoodPelletGl.h"
#include "gl/FrameCamera.h"
#include "gl/GlSceneState.h"
#include "gl/SceneRenderer.h"
#include "support/GlTestContext.h"

namespace {
const TankBounds kTank = TankBoundsForScreen(1920, 1080);

void StartFrame(const GlTestContext& gl) {
    ApplyFrameCamera(1920, 1080, -5.0f);
    glViewport(0, 0, gl.Width(), gl.Height());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

std::array<float, 16> ModelView() {
    std::array<float, 16> matrix{};
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix.data());
    return matrix;
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
    StartFrame(gl);
    pellet.Step();
    ASSERT_TRUE(pellet.Shown());
    DrawFlake(flake, pellet.ShownFlake());
    // 60 units in front of the eye the view's half height of 24 units spans 270 pixels,
    // so the flake hangs 0.8 units (9 pixels) above the centre.
    EXPECT_TRUE(ColourNear(gl.Pixel(480, 279), 243, 225, 159));
    GLboolean texturing = GL_FALSE;
    glGetBooleanv(GL_TEXTURE_2D, &texturing);
    EXPECT_TRUE(texturing) << "the flake turns texturing back on";
}

TEST(FishMeshGl, DrawsTheFishWhereItSwimsAndRestoresTheState) {
    GlTestContext gl(384, 216);
    ASSERT_TRUE(gl.Ok());
    SetUpSceneGlState();
    StartFrame(gl);
    ApplyLight({1.0f, 1.0f, 1.0f});
    glBindTexture(GL_TEXTURE_2D, 0);

    Fish fish = SwimmingFish(0.0f, 0.0f, 0.0f);
    fish.size = 4.0f;
    fish.idleTimer = 0;
    glPushMatrix();
    glTranslatef(fish.position[0], fish.position[1], fish.position[2]);
    const std::array<float, 16> before = ModelView();
    FishPose pose;
    fish.Update(pose);
    FishVertexBatch mesh;
    DrawFishMesh(pose, MeshDetail::kFull, mesh);
    EXPECT_EQ(ModelView(), before);
    glPopMatrix();
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_NORMAL_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const auto centre = gl.Pixel(gl.Width() / 2, gl.Height() / 2);
    EXPECT_GT(centre[0] + centre[1] + centre[2], 150) << "no fish at the centre";
    EXPECT_TRUE(ColourNear(gl.Pixel(10, 10), 0, 0, 0)) << "the fish covers only its own spot";
}

TEST(FishRotation, MatchesTheMatrixGlRotateBuildsAndIsIdentityWithoutAnAxis) {
    GlTestContext gl(8, 8);
    ASSERT_TRUE(gl.Ok());
    MeshRotation rotation;
    rotation.Set(-37.5f, 0.3f, -0.5f, 0.8f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(-37.5f, 0.3f, -0.5f, 0.8f);
    const std::array<float, 16> expected = ModelView();
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(rotation.Matrix()[i], expected[i], 1e-6f) << i;

    rotation.Set(33.0f, 0.0f, 0.0f, 0.0f);
    const std::array<float, 16> identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(rotation.Matrix(), identity);
}
