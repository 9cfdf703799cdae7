#include "app/ScreensaverHost.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "interaction/CommandIds.h"
#include "platform/PrivateTempDir.h"
#include "platform/TerminationSignals.h"
#include "render/AquariumScene.h"
#include "render/ForeignGlWindow.h"
#include "render/SceneRenderer.h"
#include "render/TankSetUp.h"
#include "settings/CustomBackgroundList.h"
#include "settings/LoadAquariumSettings.h"
#include "settings/SettingsFile.h"

namespace {
constexpr int kDefaultFps = 60;
constexpr auto kPictureTick = std::chrono::milliseconds(CustomBackgroundList::kTickMs);

// The repairs a start makes stay in memory: this mode never writes the file.
AquariumSettings ReadSettingsOnly() {
    SettingsFile file;
    return ReadAndRepairSettings(file.Profile());
}

class RendererPictures : public PictureTextureLoader {
  public:
    explicit RendererPictures(SceneRenderer& renderer) : renderer_(renderer) {}
    unsigned LoadPicture(const std::string& path) override {
        return renderer_.LoadUserPicture(path);
    }
    void ReleasePicture(unsigned texture) override { renderer_.ReleaseUserPicture(texture); }

  private:
    SceneRenderer& renderer_;
};
}  // namespace

int RunScreensaver(unsigned long windowId, std::optional<int> maxFps) {
    const int fps = maxFps.value_or(kDefaultFps);
    const auto framePeriod = std::chrono::microseconds(fps == 0 ? 0 : 1000000 / fps);
    ForeignGlWindow window(windowId);
    if (!window.Ok()) {
        std::fprintf(stderr, "velmar: %s\n", window.Problem().c_str());
        return 1;
    }
    AquariumScene scene;
    SceneRenderer renderer(1.0);
    {
        // xscreensaver runs a preview and the full screen side by side: each
        // unpacks the artwork into a folder of its own.
        const PrivateTempDir unpackDir;
        const TankSetUpSources sources{{window.Width(), window.Height()},
                                       unpackDir.Path(),
                                       [&unpackDir] { return unpackDir.Ok(); },
                                       ReadSettingsOnly};
        if (SetUpTank(scene, renderer, sources) == TankSetUpResult::kNoTempPath) {
            std::fprintf(stderr, "velmar: no temporary folder to unpack the artwork into\n");
            return 1;
        }
    }
    // The help text is for people at the keyboard, whose keys the screensaver
    // does not get; nor has it a pointer for the net to follow.
    scene.ToggleOverlay();
    scene.SetMode(kModeNoPointer);

    RendererPictures loader(renderer);
    CustomBackgroundList pictures(loader);
    pictures.Restore(ReadCustomImagesSettings(SettingsFile().Profile()));

    auto nextFrame = std::chrono::steady_clock::now();
    auto nextPictureTick = nextFrame;
    while (!TerminationRequested() && window.ProcessEvents()) {
        scene.Resize(window.Width(), window.Height());
        const auto now = std::chrono::steady_clock::now();
        if (now >= nextPictureTick) {
            pictures.Tick();
            scene.SetCustomBackground({pictures.CustomBackgroundOn(), pictures.CurrentTexture()});
            nextPictureTick = now + kPictureTick;
        }
        scene.RenderFrame(renderer);
        window.SwapBuffers();
        nextFrame = std::max(nextFrame + framePeriod, std::chrono::steady_clock::now());
        std::this_thread::sleep_until(nextFrame);
    }
    return 0;
}
