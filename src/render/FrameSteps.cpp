// The steps of one frame that belong to other subsystems, in frame order.
#include <GL/gl.h>

#include "music/MusicHandover.h"
#include "render/AquariumView.h"
#include "render/Overlay.h"

void CAquariumView::DrawOverlayStep() {
    DrawOverlay(overlay_, fontBase_);
}

void CAquariumView::DrawFishSchool() {}

void CAquariumView::DrawBackgroundSurface() {}

void CAquariumView::DrawCatchMarker() {}

void CAquariumView::DrawBubbles() {
    glPushMatrix();
    glDisable(GL_FOG);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
    glDisable(GL_LIGHTING);
}

void CAquariumView::DrawFoodPellets() {}

void CAquariumView::RunPickPass() {}

void CAquariumView::PickFishUnderCursor() {}

namespace {
// Until the built-in tune is in place the hand-over has nothing to start.
class NoBuiltinTune : public BuiltinTunePlayer {
  public:
    void StartBuiltinTune() override {}
    void StopBuiltinTune() override {}
};
}  // namespace

void CAquariumView::HandOverMusicAfterFrame() {
    NoBuiltinTune tune;
    HandOverMusic(tune);
}
