#include "gl/TankRunner.h"

#include "core/scene/AquariumScene.h"
#include "gl/RenderSurface.h"
#include "gl/SceneRenderer.h"
#include "platform/posix/LargeBlocks.h"
#include "platform/posix/PrivateTempDir.h"

TankRunner::TankRunner(AquariumScene& scene, RenderSurface& surface)
    : scene_(scene), surface_(surface) {}

TankRunner::~TankRunner() {
    Release();
}

TankSetUpResult TankRunner::SetUp(const AquariumSettings& settings, double contentScale) {
    renderer_ = std::make_unique<SceneRenderer>(contentScale);
    // Only this process looks in the folder: the settings folder may be
    // read-only, and several screensavers may start side by side.
    const PrivateTempDir unpackDir;
    const TankSetUpSources sources{surface_.PixelSize(), unpackDir.Path(),
                                   [&unpackDir] { return unpackDir.Ok(); }, settings};
    const TankSetUpResult result = SetUpTank(scene_, *renderer_, sources);
    // The font's outlines, the unpacked pictures and the decoders' buffers
    // are gone by now; the heap would keep their pages.
    ReturnFreedMemoryToTheSystem();
    return result;
}

TankSession& TankRunner::StartSession(const StartupSettings& settings,
                                      std::optional<SessionMusic> music) {
    session_ = std::make_unique<TankSession>(*this, settings, std::move(music));
    return *session_;
}

void TankRunner::StartPacing(double refreshHz, int maxFps, bool swapWaitsForRefresh) {
    pacer_ = FramePacer(refreshHz, maxFps, swapWaitsForRefresh);
}

void TankRunner::DrawFrame(double nowMs) {
    if (!renderer_ || !surface_.MakeCurrent()) return;
    const ScreenSize size = surface_.PixelSize();
    scene_.Resize(size.width, size.height);
    if (session_) {
        const CustomBackgroundList& pictures = session_->Pictures();
        scene_.SetCustomBackground({pictures.CustomBackgroundOn(), pictures.CurrentTexture()});
    }
    pacer_.FrameStarted(nowMs);
    scene_.RenderFrame(*renderer_);
    if (frameObserver_) frameObserver_(nowMs);
    surface_.ShowFrame();
    if (session_) session_->AfterFrame();
}

void TankRunner::TickSession() {
    if (session_) session_->Tick();
    // What the frames, the media engine and the dialogs let go stays in the
    // heap's pages (some 6 MB after the start) unless handed back.
    if (++ticksSinceTrim_ * TankSession::kTickMs >= kTrimPeriodMs) {
        ReturnFreedMemoryToTheSystem();
        ticksSinceTrim_ = 0;
    }
}

void TankRunner::Release() {
    if (!renderer_) return;
    surface_.MakeCurrent();
    renderer_.reset();
}

unsigned TankRunner::LoadPicture(const std::string& path) {
    if (!renderer_ || !surface_.MakeCurrent()) return 0;
    return renderer_->LoadUserPicture(path);
}

void TankRunner::ReleasePicture(unsigned texture) {
    if (!renderer_ || !surface_.MakeCurrent()) return;
    renderer_->ReleaseUserPicture(texture);
}
