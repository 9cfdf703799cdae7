#include <GL/gl.h>

#include "render/AquariumView.h"
#include "render/Backdrop.h"
#include "render/FrameCamera.h"
#include "render/FrameSetup.h"
#include "render/GlSceneState.h"
#include "settings/AquariumSettings.h"

void CAquariumView::RenderFrame() {
    if (!context_) return;
    context_->SetCurrent(*this);

    revealCount_ = NextRevealCount(revealCount_);

    const double scale = GetContentScaleFactor();
    const int widthPx = static_cast<int>(screenWidth_ * scale);
    const int heightPx = static_cast<int>(screenHeight_ * scale);
    ApplyFrameCamera(screenWidth_, screenHeight_, cameraOffset_);
    glViewport(0, 0, widthPx, heightPx);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    DrawOverlayStep();
    ApplyLightLevel(LightLevel(aquariumSettings.lightQiangDu));
    DrawBackdrop(aquariumSettings, tankBounds_);
    DrawFishSchool();
    DrawBackgroundSurface();
    DrawCatchMarker();
    DrawBubbles();
    DrawFoodPellets();
    RunPickPass();
    PickFishUnderCursor();

    glFinish();
    SwapBuffers();
}
