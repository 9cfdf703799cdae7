#include <gtest/gtest.h>

#include <array>

#include "core/fish/Fish.h"
#include "core/fish/FishVertexBatch.h"
#include "core/fish/MeshRotation.h"
#include "fish/FishFrame.h"
#include "gl/FishMeshGl.h"
#include "gl/FoodPelletGl.h"
#include "gl/FrameCamera.h"
#include "gl/GlSceneState.h"
#include "gl/SceneRenderer.h"
#include "support/GlTestContext.h"

namespace {
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

// The background's picture is pinned by TankRun's.
TEST(TankEnvironmentGl, AFlakeHangsBelowItsOffsetAndTurnsTexturingBackOn) {
    GlTestContext gl(960, 540);
    ASSERT_TRUE(gl.Ok());
    SetUpSceneGlState();
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

// What the fish look like is pinned by TankRun's picture; here, that drawing
// one leaves GL's matrix and arrays as it found them.
TEST(FishMeshGl, DrawingAFishRestoresTheMatrixAndTheArrays) {
    GlTestContext gl(384, 216);
    ASSERT_TRUE(gl.Ok());
    SetUpSceneGlState();
    StartFrame(gl);
    Fish fish = SwimmingFish(0.0f, 0.0f, 0.0f);
    fish.size = 4.0f;
    const std::array<float, 16> before = ModelView();
    FishPose pose;
    fish.Update(pose);
    FishVertexBatch mesh;
    DrawFishMesh(pose, MeshDetail::kFull, mesh);
    EXPECT_EQ(ModelView(), before);
    for (GLenum array : {GL_VERTEX_ARRAY, GL_NORMAL_ARRAY, GL_TEXTURE_COORD_ARRAY})
        EXPECT_FALSE(glIsEnabled(array)) << array;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
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
