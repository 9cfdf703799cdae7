#include "gl/FrameLayers.h"

#include <algorithm>

#include "core/scene/AquariumScene.h"
#include "core/scene/CameraGeometry.h"
#include "core/scene/SettingsColours.h"
#include "core/scene/WallCoverage.h"
#include "core/scene/WallMagnification.h"

namespace {
// GL magnifies below one texel per pixel; the margin keeps the driver's
// approximate level arithmetic on the same side.
constexpr double kMostTexelsPerPixel = 0.9;
}  // namespace

FrameLayers ChooseFrameLayers(const AquariumScene& scene, const DrawShortcuts& shortcuts,
                              std::array<int, 2> wallPictureSize) {
    const AquariumSettings& settings = scene.Settings();
    const int width = scene.ScreenWidth();
    const int height = scene.ScreenHeight();
    const double eyeZ = EyeZ(AquariumScene::kCameraOffset);
    FrameLayers layers;
    const Daylight& daylight = scene.CurrentDaylight();
    const float level = LightLevel(settings.lightReduction) * daylight.level;
    for (int c = 0; c < 3; ++c) layers.light[c] = level * daylight.tint[c];
    layers.wall = scene.WallShown();
    const bool wallCovers = layers.wall && WallCoversView(scene.Surface(), width, height, eyeZ);
    layers.backdrop = !(wallCovers && shortcuts.hiddenBackdrop);
    layers.wallFirst =
        !layers.backdrop && shortcuts.wallFirst &&
        (settings.backSolid != 0 || settings.backGradient != 0) &&
        LightSaturatesWhite(*std::min_element(layers.light.begin(), layers.light.end()));
    layers.wallMagnified =
        layers.wall && shortcuts.magnifiedWall &&
        WallTexelsPerPixel(scene.Surface(), width, height, eyeZ, wallPictureSize[0],
                           wallPictureSize[1]) < kMostTexelsPerPixel;
    return layers;
}
