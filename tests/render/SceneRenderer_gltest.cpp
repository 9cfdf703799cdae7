#include <gtest/gtest.h>

#include <array>

#include "core/interaction/PickGrid.h"
#include "core/pictures/CustomBackgroundList.h"
#include "core/scene/AquariumScene.h"
#include "core/tank/TankBounds.h"
#include "fish/FishFrame.h"
#include "gl/GlScenePicker.h"
#include "gl/SceneRenderer.h"
#include "gl/TankSetUp.h"
#include "render/SceneFrames.h"
#include "resources/PictureBytes.h"
#include "support/GlTestContext.h"

namespace {
constexpr int kWidth = 320;
constexpr int kHeight = 180;
constexpr PickView kView{kWidth, kHeight, AquariumScene::kCameraOffset};

// The matrix stacks' depths, the render mode and the matrix mode.
using GlStacks = std::array<GLint, 4>;

GlStacks CurrentStacks() {
    GlStacks stacks{};
    const GLenum names[] = {GL_MODELVIEW_STACK_DEPTH, GL_PROJECTION_STACK_DEPTH, GL_RENDER_MODE,
                            GL_MATRIX_MODE};
    for (int i = 0; i < 4; ++i) glGetIntegerv(names[i], &stacks[i]);
    return stacks;
}

// The client pixel (y downwards) over the point (x, y) `depth` units in front
// of the eye, which the picks see through a 45 degree view.
PointerPos PointerOver(float x, float y, float depth = 60.0f) {
    const float unitsPerPixel = 2.0f * depth * 0.41421356f / kHeight;
    return {static_cast<int>(kWidth / 2 + x / unitsPerPixel),
            static_cast<int>(kHeight / 2 - y / unitsPerPixel)};
}

// How many of the first display list names and texture names are taken.
std::array<int, 2> GlNames() {
    std::array<int, 2> taken{};
    for (GLuint name = 1; name <= 4000; ++name) taken[0] += glIsList(name) ? 1 : 0;
    for (GLuint name = 1; name <= 400; ++name) taken[1] += glIsTexture(name) ? 1 : 0;
    return taken;
}
}  // namespace

TEST(StripPicking, FindsTheLowestStripUnderThePointerAndRestoresTheState) {
    GlTestContext gl(kWidth, kHeight);
    ASSERT_TRUE(gl.Ok());
    GlScenePicker picker(1.0);
    const TankBounds tank = TankBoundsForScreen(kWidth, kHeight);
    const PickGrid x = BuildPickGridX(tank);
    const PickGrid y = BuildPickGridY(tank);
    const GlStacks before = CurrentStacks();
    // The strips stand a unit in front of the fish layer.
    constexpr float kStripDepth = 59.0f;
    // Half the 15-pixel square, in units, plus half a strip.
    constexpr float kReach = 7.5f * 2.0f * kStripDepth * 0.41421356f / kHeight + 0.5f;
    for (float at : {-20.0f, 0.0f, 15.0f}) {
        const PointerPos pointer = PointerOver(at, -at / 2.0f, kStripDepth);
        const int stripX = picker.StripUnderPointer(kView, pointer, x, StripShape::kVertical);
        const int stripY = picker.StripUnderPointer(kView, pointer, y, StripShape::kHorizontal);
        ASSERT_TRUE(stripX >= 0 && stripY >= 0) << at;
        // The lowest strip touching the square lies at its left (lower) edge.
        EXPECT_NEAR(x.points[stripX][0], at - kReach + 0.5f, 0.6f) << at;
        EXPECT_NEAR(y.points[stripY][1], -at / 2.0f - kReach + 0.5f, 0.6f) << at;
    }
    PickGrid outOfSight;
    outOfSight.points = {{100.0f, 0.0f, -70.0f}};
    EXPECT_EQ(picker.StripUnderPointer(kView, PointerOver(0, 0), outOfSight, StripShape::kVertical),
              -1);
    EXPECT_EQ(CurrentStacks(), before);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// On a HiDPI screen the pointer comes in window units and the viewport is in
// pixels: the pick must scale one to the other.
TEST(FishPicking, AFishIsHitWhereItSwimsAndMissedElsewhereOnAnyPixelScale) {
    for (int scale : {1, 2}) {
        GlTestContext gl(kWidth * scale, kHeight * scale);
        ASSERT_TRUE(gl.Ok());
        GlScenePicker picker(scale);
        Fish fish = SwimmingFish(10.0f, 5.0f, 0.0f);
        fish.size = 4.0f;
        FishPose pose;
        const GlStacks before = CurrentStacks();
        for (const auto& [pointer, hit] : {std::pair{PointerOver(10.0f, 5.0f), true},
                                           std::pair{PointerOver(-10.0f, -5.0f), false}}) {
            fish.Update(pose);
            EXPECT_EQ(picker.FishUnderPointer(kView, pointer, pose), hit)
                << scale << ": " << pointer.x << ", " << pointer.y;
            EXPECT_EQ(CurrentStacks(), before);
        }
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
}

// Hours of screensaver running must not pile up display lists or textures, and
// a renderer that goes leaves none behind.
TEST(SceneRenderer, FramesReserveNoFurtherGlNamesAndTeardownFreesThemAll) {
    GlTestContext gl(192, 108);
    ASSERT_TRUE(gl.Ok());
    TempDir unpackDir;
    AquariumSettings settings;
    settings.fishCounts.fill(2);
    const std::array<int, 2> before = GlNames();
    {
        AquariumScene scene;
        SceneRenderer renderer(1.0);
        const TankSetUpSources sources{{gl.Width(), gl.Height()},
                                       unpackDir.Path().string() + "/",
                                       [] { return true; },
                                       settings};
        ASSERT_EQ(SetUpTank(scene, renderer, sources), TankSetUpResult::kComplete);
        const std::string picture = unpackDir.Path() / "own.bmp";
        WriteFile(picture, MakeBitmap(8, 8, 24, Bytes(RowBytes(24, 8) * 8, 200)));
        const GLuint ownPicture = renderer.LoadPicture(picture);
        ASSERT_NE(ownPicture, 0u);
        // By then the net has caught fish and made its wire sphere.
        DrawFrames(scene, renderer, 250);
        const std::array<int, 2> afterWarmUp = GlNames();
        // The background, ten skins, the bubble and the user's picture.
        EXPECT_EQ(afterWarmUp[1], before[1] + 13);
        // Showing a name that holds no picture must not make GL create it.
        for (const unsigned shown : {CustomBackgroundList::kNoPicture, ownPicture}) {
            scene.SetCustomBackground({true, shown});
            DrawFrames(scene, renderer, 125);
        }
        EXPECT_EQ(GlNames(), afterWarmUp);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
    EXPECT_EQ(GlNames(), before);
}
