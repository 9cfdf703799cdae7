#include <gtest/gtest.h>

#include <array>

#include "core/fish/Fish.h"
#include "core/fish/FishVertexBatch.h"
#include "fish/FishFrame.h"
#include "gl/FrameCamera.h"
#include "gl/SceneRenderer.h"
#include "support/GlTestContext.h"

namespace {
std::array<float, 16> ModelView() {
    std::array<float, 16> matrix{};
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix.data());
    return matrix;
}
}  // namespace

TEST(FishUpdateAndDraw, DrawsTheFishWhereItSwimsAndRestoresTheState) {
    GlTestContext gl(384, 216);
    ASSERT_TRUE(gl.Ok());
    SceneRenderer renderer(1.0);
    renderer.BeginFrame(gl.Width(), gl.Height(), -5.0f);
    renderer.ApplyLight(1.0f);
    glBindTexture(GL_TEXTURE_2D, 0);

    Fish fish = SwimmingFish(0.0f, 0.0f, 0.0f);
    fish.size = 4.0f;
    fish.idleTimer = 0;
    glPushMatrix();
    glTranslatef(fish.position[0], fish.position[1], fish.position[2]);
    const std::array<float, 16> before = ModelView();
    FishVertexBatch mesh;
    fish.UpdateAndDraw(renderer.Fish(), mesh);
    EXPECT_EQ(ModelView(), before);
    glPopMatrix();
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_NORMAL_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const auto centre = gl.Pixel(gl.Width() / 2, gl.Height() / 2);
    EXPECT_GT(centre[0] + centre[1] + centre[2], 150) << "no fish at the centre";
    EXPECT_TRUE(ColourNear(gl.Pixel(10, 10), 0, 0, 0)) << "the fish covers only its own spot";

    // The frame also moved it: heading 0 swims toward -x.
    EXPECT_LT(fish.position[0], 0.0f);
    EXPECT_EQ(fish.position[2], -70.0f);
    EXPECT_LT(fish.extent.head[0], fish.extent.tail[0]);
}

TEST(FishRotation, MatchesTheMatrixGlRotateBuildsAndIsIdentityWithoutAnAxis) {
    GlTestContext gl(8, 8);
    ASSERT_TRUE(gl.Ok());
    Fish fish;
    fish.SetRotation(-37.5f, 0.3f, -0.5f, 0.8f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(-37.5f, 0.3f, -0.5f, 0.8f);
    const std::array<float, 16> expected = ModelView();
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(fish.rotation[i], expected[i], 1e-6f) << i;

    fish.SetRotation(33.0f, 0.0f, 0.0f, 0.0f);
    const std::array<float, 16> identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(fish.rotation, identity);
}
