#include "gl/TankSetUp.h"

#include "core/scene/AquariumScene.h"
#include "gl/SceneRenderer.h"
#include "platform/posix/LargeBlocks.h"
#include "platform/posix/PrivateTempDir.h"

TankSetUpResult SetUpTank(AquariumScene& scene, SceneRenderer& renderer,
                          const TankSetUpSources& sources) {
    scene.SetTankBounds(sources.screen.width, sources.screen.height);
    scene.BuildBackgroundSurface();
    if (!sources.hasTempPath()) return TankSetUpResult::kNoTempPath;
    renderer.LoadTextures(sources.unpackDir);
    scene.ApplySettings(sources.settings);
    scene.PlaceScene();
    scene.InitFoodPellets();
    renderer.SetUpFog();
    return TankSetUpResult::kComplete;
}

TankOnSurface SetUpTankOnSurface(AquariumScene& scene, ScreenSize surfaceSize,
                                 const AquariumSettings& settings, double contentScale) {
    auto renderer = std::make_unique<SceneRenderer>(contentScale);
    // Only this process looks in the folder: the settings folder may be
    // read-only, and several screensavers may start side by side.
    const PrivateTempDir unpackDir;
    const TankSetUpSources sources{surfaceSize, unpackDir.Path(),
                                   [&unpackDir] { return unpackDir.Ok(); }, settings};
    const TankSetUpResult result = SetUpTank(scene, *renderer, sources);
    // The font's outlines, the unpacked pictures and the decoders' buffers
    // are gone by now; the heap would keep their pages.
    ReturnFreedMemoryToTheSystem();
    return {std::move(renderer), result};
}
