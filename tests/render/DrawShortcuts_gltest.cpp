// The drawing shortcuts must not change the picture: the same set-up and the
// same frames drawn with and without them are compared pixel by pixel.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/scene/AquariumScene.h"
#include "gl/FrameLayers.h"
#include "gl/SceneRenderer.h"
#include "gl/TankSetUp.h"
#include "platform/runtime/Random.h"
#include "render/SceneFrames.h"
#include "support/GlTestContext.h"
#include "support/TestSupport.h"

namespace {
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

using Picture = std::vector<std::uint8_t>;

// The program's set-up from the random stream's start, then the frames up to
// each of `shots` (ascending), read back after each.
std::vector<Picture> Draw(const AquariumSettings& settings, const DrawShortcuts& shortcuts,
                          const std::vector<int>& shots) {
    TempDir unpackDir;
    ResetCrtRand();
    AquariumScene scene;
    SceneRenderer renderer(1.0);
    const TankSetUpSources sources{
        {kWidth, kHeight}, unpackDir.Path().string() + "/", [] { return true; }, settings};
    EXPECT_EQ(SetUpTank(scene, renderer, sources), TankSetUpResult::kComplete);
    renderer.SetDrawShortcuts(shortcuts);
    std::vector<Picture> pictures;
    int drawn = 0;
    for (int shot : shots) {
        DrawFrames(scene, renderer, shot - drawn);
        drawn = shot;
        Picture rgb(static_cast<std::size_t>(kWidth) * kHeight * 3);
        glFinish();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        pictures.push_back(rgb);
    }
    return pictures;
}
}  // namespace

// Frame 1 still has fog, the help text shows until frame 100, the net from
// frame 200; light reduction 19 is the dimmest that leaves the wall its own
// picture, at 40 the wall is drawn lit after the fish.
TEST(DrawShortcuts, HiddenBackdropWallFirstAndOneLevelLeaveEveryPixelAsItWas) {
    GlTestContext gl(kWidth, kHeight);
    ASSERT_TRUE(gl.Ok());
    const std::pair<int, std::vector<int>> cases[] = {{0, {1, 60, 205}}, {19, {2}}, {40, {2}}};
    for (const auto& [lightReduction, shots] : cases) {
        SCOPED_TRACE(lightReduction);
        AquariumSettings settings;
        settings.fishCounts.fill(4);
        settings.lightReduction = lightReduction;
        const auto plain = Draw(settings, DrawShortcuts::None(), shots);
        const auto shortcut =
            Draw(settings, DrawShortcuts().Without(&DrawShortcuts::lightMeshes), shots);
        for (std::size_t shot = 0; shot < plain.size(); ++shot)
            EXPECT_TRUE(plain[shot] == shortcut[shot]) << "shot " << shot;
    }
}

TEST(FrameLayers, WallHidesTheBackdropAndGoesFirstOnlyWhereThePictureStaysTheSame) {
    // What, shortcuts, screen width, light reduction, backSolid, background, layers.
    const std::tuple<const char*, DrawShortcuts, int, int, int, int, const char*> cases[] = {
        {"default", {}, 1920, 0, 1, 0, "first"},
        {"dim", {}, 1920, 20, 1, 0, "wall"},
        {"no backdrop colour", {}, 1920, 0, 0, 0, "wall"},
        {"wide screen, wall too narrow", {}, 2560, 0, 1, 0, "backdrop wall"},
        {"other background", {}, 1920, 0, 1, 2, "backdrop"},
        {"wall not first", DrawShortcuts().Without(&DrawShortcuts::wallFirst), 1920, 0, 1, 0,
         "wall"},
        {"no shortcuts", DrawShortcuts::None(), 1920, 0, 1, 0, "backdrop wall"},
    };
    for (const auto& [what, shortcuts, screenWidth, lightReduction, backSolid, background,
                      expected] : cases) {
        SCOPED_TRACE(what);
        AquariumSettings settings;
        settings.lightReduction = lightReduction;
        settings.backSolid = backSolid;
        settings.background = background;
        AquariumScene scene;
        scene.SetTankBounds(screenWidth, 1080);
        scene.BuildBackgroundSurface();
        scene.ApplySettings(settings);
        const FrameLayers layers = ChooseFrameLayers(scene, shortcuts, {1024, 512});
        std::string text = layers.backdrop ? "backdrop" : "";
        if (layers.wall) text += text.empty() ? (layers.wallFirst ? "first" : "wall") : " wall";
        EXPECT_EQ(text, expected);
    }
}
