#include <gtest/gtest.h>

#include "core/scene/AquariumScene.h"
#include "core/settings/CustomBackgroundList.h"
#include "gl/SceneRenderer.h"
#include "gl/TankSetUp.h"
#include "resources/BitmapBytes.h"
#include "support/GlTestContext.h"
#include "support/TempDir.h"

namespace {
// How many of the first `upTo` names `isName` reports taken.
int CountNames(GLboolean (*isName)(GLuint), GLuint upTo) {
    int taken = 0;
    for (GLuint name = 1; name <= upTo; ++name) taken += isName(name) ? 1 : 0;
    return taken;
}

struct GlNames {
    int lists = CountNames(glIsList, 4000);
    int textures = CountNames(glIsTexture, 400);
};
}  // namespace

// Hours of screensaver running must not pile up display lists or textures, and
// a renderer that goes leaves none behind.
TEST(SceneRenderer, FramesReserveNoFurtherGlNamesAndTeardownFreesThemAll) {
    GlTestContext gl(192, 108);
    ASSERT_TRUE(gl.Ok());
    TempDir unpackDir;
    AquariumSettings settings;
    settings.fishCounts.fill(2);
    const GlNames before;
    {
        AquariumScene scene;
        SceneRenderer renderer(1.0);
        const TankSetUpSources sources{{gl.Width(), gl.Height()},
                                       unpackDir.Path().string() + "/",
                                       [] { return true; },
                                       settings};
        ASSERT_EQ(SetUpTank(scene, renderer, sources), TankSetUpResult::kComplete);
        const std::string picture = unpackDir.Path() / "own.bmp";
        WriteBytes(picture, MakeBitmap(8, 8, 24, Bytes(RowBytes(24, 8) * 8, 200)));
        const GLuint ownPicture = renderer.LoadUserPicture(picture);
        ASSERT_NE(ownPicture, 0u);
        // By then the net has caught fish and made its wire sphere.
        for (int frame = 0; frame < 250; ++frame) scene.RenderFrame(renderer);
        const GlNames afterWarmUp;
        // The background, ten skins, the bubble and the user's picture.
        EXPECT_EQ(afterWarmUp.textures, before.textures + 13);
        // Showing a name that holds no picture must not make GL create it.
        for (const unsigned shown : {CustomBackgroundList::kNoPicture, ownPicture}) {
            scene.SetCustomBackground({true, shown});
            for (int frame = 0; frame < 125; ++frame) scene.RenderFrame(renderer);
        }
        const GlNames afterRun;
        EXPECT_EQ(afterRun.lists, afterWarmUp.lists);
        EXPECT_EQ(afterRun.textures, afterWarmUp.textures);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        const auto centre = gl.Pixel(gl.Width() / 2, gl.Height() / 2);
        EXPECT_GT(centre[0] + centre[1] + centre[2], 60) << "the background picture fills the view";
    }
    const GlNames afterTeardown;
    EXPECT_EQ(afterTeardown.lists, before.lists);
    EXPECT_EQ(afterTeardown.textures, before.textures);
}
