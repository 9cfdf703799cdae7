#include "render/TankSetUp.h"

#include "render/AquariumScene.h"
#include "render/SceneRenderer.h"

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
