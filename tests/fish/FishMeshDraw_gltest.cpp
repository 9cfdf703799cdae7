#include <gtest/gtest.h>

#include <vector>

#include "fish/Fish.h"
#include "fish/SkinLayout.h"
#include "support/GlTestContext.h"

namespace {
constexpr int kWidth = 480;
constexpr int kHeight = 240;
// The view spans mesh x -0.6..0.6 and z -0.3..0.3 for a fish of size 1.
constexpr float kHalfWidth = 0.6f;
constexpr float kHalfHeight = 0.3f;

// A skin with each region in one flat colour, so a pixel tells which region
// the mesh sampled there.
GLuint RegionCodedSkin() {
    using namespace SkinLayout;
    std::vector<unsigned char> rgba(kWidthPx * kHeightPx * 4);
    for (int row = 0; row < kHeightPx; ++row) {
        for (int col = 0; col < kWidthPx; ++col) {
            const float s = (col + 0.5f) / kWidthPx;
            const float t = (row + 0.5f) / kHeightPx;
            const auto in = [&](const SkinRegion& r) {
                return s >= r.s0 && s < r.s1 && t >= r.t0 && t < r.t1;
            };
            unsigned char* px = &rgba[(row * kWidthPx + col) * 4];
            px[0] = in(kBody) || in(kJaw) ? 255 : 0;
            px[1] = in(kFin) || in(kJaw) ? 255 : 0;
            px[2] = in(kTail) ? 255 : 0;
            px[3] = 255;
        }
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, kWidthPx, kHeightPx, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 rgba.data());
    return texture;
}

// Draws a straight fish of size 1 at the given heading, seen from the side as
// the school sees it: mesh z up, the modelled -y side toward the viewer.
void DrawStraightFish(float heading) {
    glClearColor(0.2f, 0.2f, 0.2f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, RegionCodedSkin());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-kHalfWidth, kHalfWidth, -kHalfHeight, kHalfHeight, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    Fish fish;
    fish.size = 1.0f;
    FishPartArrays arrays;
    arrays.yaw.fill(heading);
    fish.DrawParts(arrays);
}

// The pixel over mesh point (x, z) when the fish faces -x.
std::array<std::uint8_t, 4> PixelAt(const GlTestContext& gl, float x, float z) {
    return gl.Pixel(static_cast<int>((x + kHalfWidth) / (2 * kHalfWidth) * kWidth),
                    static_cast<int>((z + kHalfHeight) / (2 * kHalfHeight) * kHeight));
}
}  // namespace

TEST(FishMeshDraw, EachPartWearsItsRegionOfTheSkin) {
    GlTestContext gl(kWidth, kHeight);
    ASSERT_TRUE(gl.Ok());
    DrawStraightFish(0.0f);
    EXPECT_TRUE(ColourNear(PixelAt(gl, 0.0f, 0.0f), 255, 0, 0)) << "flank";
    EXPECT_TRUE(ColourNear(PixelAt(gl, -0.02f, 0.23f), 0, 255, 0)) << "dorsal fin";
    EXPECT_TRUE(ColourNear(PixelAt(gl, 0.05f, -0.25f), 0, 255, 0)) << "anal fin";
    EXPECT_TRUE(ColourNear(PixelAt(gl, 0.46f, 0.11f), 0, 0, 255)) << "upper tail lobe";
    EXPECT_TRUE(ColourNear(PixelAt(gl, -0.47f, -0.09f), 255, 255, 0)) << "chin";
    EXPECT_TRUE(ColourNear(PixelAt(gl, -0.43f, -0.048f), 0, 0, 0)) << "eye";
    EXPECT_TRUE(ColourNear(PixelAt(gl, 0.47f, 0.0f), 51, 51, 51)) << "fork of the tail";
    EXPECT_TRUE(ColourNear(PixelAt(gl, 0.3f, 0.25f), 51, 51, 51)) << "water above the back";
}

TEST(FishMeshDraw, FishFacingAwayShowsTheInsideOfItsShellAndItsMirroredEye) {
    GlTestContext gl(kWidth, kHeight);
    ASSERT_TRUE(gl.Ok());
    DrawStraightFish(180.0f);
    EXPECT_TRUE(ColourNear(PixelAt(gl, 0.0f, 0.0f), 255, 0, 0));
    EXPECT_TRUE(ColourNear(PixelAt(gl, 0.43f, -0.048f), 0, 0, 0));
    EXPECT_TRUE(ColourNear(PixelAt(gl, -0.46f, 0.11f), 0, 0, 255));
}

TEST(FishMeshDraw, LeavesNoClientArrayEnabled) {
    GlTestContext gl(16, 16);
    ASSERT_TRUE(gl.Ok());
    DrawStraightFish(0.0f);
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_NORMAL_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(FishRotation, MatchesTheMatrixGlRotateBuilds) {
    GlTestContext gl(8, 8);
    ASSERT_TRUE(gl.Ok());
    Fish fish;
    fish.SetRotation(-37.5f, 0.3f, -0.5f, 0.8f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(-37.5f, 0.3f, -0.5f, 0.8f);
    GLfloat expected[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, expected);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(fish.rotation[i], expected[i], 1e-6f) << i;
}
