// The drawing shortcuts must not change the picture: the same set-up and the
// same frames drawn with and without them are compared pixel by pixel.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
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

Picture ReadPicture() {
    Picture rgb(static_cast<std::size_t>(kWidth) * kHeight * 3);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

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
        pictures.push_back(ReadPicture());
    }
    return pictures;
}

// How many pixels differ by more than `tolerance` in some channel.
int Differences(const Picture& a, const Picture& b, int tolerance) {
    int count = 0;
    for (std::size_t i = 0; i + 2 < a.size(); i += 3) {
        bool differs = false;
        for (std::size_t c = i; c < i + 3; ++c)
            differs = differs || std::abs(a[c] - b[c]) > tolerance;
        count += differs ? 1 : 0;
    }
    return count;
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
        for (std::size_t shot = 0; shot < plain.size(); ++shot) {
            EXPECT_EQ(Differences(plain[shot], shortcut[shot], 0), 0) << "shot " << shot;
        }
    }
}

// Fish 45 to 90 pixels long drawn from the lighter meshes keep their outline
// to a pixel here and there; most of the pixels that change are single texels
// of the scaled skins sampled a little apart (see docs/light-mesh.png): per
// fish, at most 70 pixels differ by more than 10%.
TEST(DrawShortcuts, LightMeshesChangeAFewPixelsOfEachFish) {
    GlTestContext gl(kWidth, kHeight);
    ASSERT_TRUE(gl.Ok());
    AquariumSettings settings;
    settings.fishCounts.fill(6);
    // Every fish revealed, some turning.
    const int frames = 80;
    const auto full =
        Draw(settings, DrawShortcuts().Without(&DrawShortcuts::lightMeshes), {frames});
    const auto light = Draw(settings, {}, {frames});
    EXPECT_LE(Differences(full[0], light[0], 25), 70 * 60);
    EXPECT_GT(Differences(full[0], light[0], 0), 0) << "the fish were drawn from the light mesh";
}

TEST(FrameLayers, WallHidesTheBackdropAndGoesFirstOnlyWhereThePictureStaysTheSame) {
    struct Case {
        const char* what;
        DrawShortcuts shortcuts;
        int screenWidth;
        int lightReduction;
        int backSolid;
        int background;
        int showTerra;
        const char* layers;
    };
    const Case cases[] = {
        {"default", {}, 1920, 0, 1, 0, 1, "first"},
        {"slightly dim", {}, 1920, 19, 1, 0, 1, "first"},
        {"dim", {}, 1920, 20, 1, 0, 1, "wall"},
        {"no backdrop colour", {}, 1920, 0, 0, 0, 1, "wall"},
        {"wide screen, wall too narrow", {}, 2560, 0, 1, 0, 1, "backdrop wall"},
        {"other background", {}, 1920, 0, 1, 2, 1, "backdrop"},
        {"Terra off", {}, 1920, 0, 1, 0, 0, "backdrop"},
        {"wall not first", DrawShortcuts().Without(&DrawShortcuts::wallFirst), 1920, 0, 1, 0, 1,
         "wall"},
        {"no shortcuts", DrawShortcuts::None(), 1920, 0, 1, 0, 1, "backdrop wall"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AquariumSettings settings;
        settings.lightReduction = c.lightReduction;
        settings.backSolid = c.backSolid;
        settings.background = c.background;
        settings.showTerra = c.showTerra;
        AquariumScene scene;
        scene.SetTankBounds(c.screenWidth, 1080);
        scene.BuildBackgroundSurface();
        scene.ApplySettings(settings);
        const FrameLayers layers = ChooseFrameLayers(scene, c.shortcuts, {1024, 512});
        std::string text = layers.backdrop ? "backdrop" : "";
        if (layers.wall) text += text.empty() ? (layers.wallFirst ? "first" : "wall") : " wall";
        EXPECT_EQ(text, c.layers);
    }
}
