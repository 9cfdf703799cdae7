#include "gl/TankSetUp.h"

#include "core/scene/AquariumScene.h"
#include "gl/SceneRenderer.h"

TankSetUpResult SetUpTank(AquariumScene& scene, SceneRenderer& renderer,
                          const TankSetUpSources& sources) {
    scene.SetTankBounds(sources.screen.width, sources.screen.height);
    scene.BuildBackgroundSurface();
    if (!sources.hasTempPath()) return TankSetUpResult::kNoTempPath;
    renderer.LoadTextures(sources.unpackDir);
    scene.ApplySettings(sources.settings);
    scene.PlaceScene(renderer);
    scene.InitFoodPellets();
    renderer.SetUpFog();
    return TankSetUpResult::kComplete;
}
