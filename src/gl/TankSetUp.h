#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/scene/ScreenSize.h"
#include "core/settings/AquariumSettings.h"

class AquariumScene;
class SceneRenderer;

// What the tank's set-up takes from the machine and the settings file; the
// benchmark and the tests hand in fixed ones.
struct TankSetUpSources {
    ScreenSize screen;
    std::string unpackDir;  // a private temporary folder, where resources are unpacked
    std::function<bool()> hasTempPath;
    AquariumSettings settings;
};

enum class TankSetUpResult { kComplete, kNoTempPath };

// Builds the tank once the renderer exists: its bounds and background surface,
// then (when the machine has a temporary path) the textures, the settings, the
// bubble columns, school and catch net, the food pellets and the fog. Without a
// temporary path it stops before the textures and says so.
TankSetUpResult SetUpTank(AquariumScene& scene, SceneRenderer& renderer,
                          const TankSetUpSources& sources);

// A tank set up on the surface whose context is current: its renderer (every
// GL object), and how far the set-up went. Artwork is unpacked into a private
// folder, gone once loaded.
struct TankOnSurface {
    std::unique_ptr<SceneRenderer> renderer;
    TankSetUpResult result;
};
TankOnSurface SetUpTankOnSurface(AquariumScene& scene, ScreenSize surfaceSize,
                                 const AquariumSettings& settings, double contentScale);
