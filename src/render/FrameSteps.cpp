// The steps of one frame that belong to other subsystems, in frame order.
#include <GL/gl.h>

#include "fish/FoodPelletGl.h"
#include "music/MusicHandover.h"
#include "render/AquariumView.h"
#include "render/DisplayListCache.h"
#include "render/FrameSetup.h"
#include "render/Overlay.h"
#include "settings/AquariumSettings.h"
#include "tank/BackgroundSurfaceGl.h"
#include "tank/BubbleEmitterGl.h"
#include "tank/CatchMarkerGl.h"

void CAquariumView::DrawOverlayStep() {
    DrawOverlay(overlay_, fontBase_);
}

// Slot i joins the walk once revealCount reaches i, so after start-up the
// school fills in one fish per frame.
void CAquariumView::DrawFishSchool() {
    const SpeciesRanges ranges = SpeciesRangesFor(SpeciesCounts);
    const int walked = WalkedFishCount(ranges.total, revealCount_);
    for (int slot = 0; slot < walked; ++slot) {
        DrawSchoolSlot(slot, SpeciesOfSlot(ranges, slot));
        FeedSteer(0, slot);
        FoodTest(0, slot);
        CatchTest(0, slot);
    }
}

void CAquariumView::DrawSchoolSlot(int slot, int species) {
    Fish& fish = fish_[slot];
    glPushMatrix();
    glTranslatef(fish.position[0], fish.position[1], fish.position[2]);
    glBindTexture(GL_TEXTURE_2D, speciesSkins_[species]);
    fish.UpdateAndDraw(species);
    if (fish.caught) {
        const float radius = CaughtSphereRadius(fish.size);
        if (radius > 0.0f) {
            glPushMatrix();
            CallSphere(radius);
            glPopMatrix();
        }
    } else {
        ClearCatchMarkerSlot(slot);
    }
    glPopMatrix();
}

void CAquariumView::FeedSteer(int, int) {}

void CAquariumView::FoodTest(int, int) {}

void CAquariumView::CatchTest(int, int) {}

void CAquariumView::ClearCatchMarkerSlot(int slot) {
    if (slot < 0 || slot >= CatchMarker::kSlotCount) return;
    catchMarker_.slots[slot].caught = false;
}

void CAquariumView::DrawBackgroundSurface() {
    if (aquariumSettings.background != 0 || aquariumSettings.showTerra == 0) return;
    glBindTexture(GL_TEXTURE_2D, backgroundTexture_);
    glPushMatrix();
    backgroundSurface_.UpdateControlNet(tankBounds_, aquariumSettings.background);
    DrawBackgroundSurfaceGl(backgroundSurface_);
    glPopMatrix();
}

void CAquariumView::DrawCatchMarker() {
    if (mode_ != kCommandCatch || revealCount_ != kRevealLimit) return;
    GlCatchMarkerPainter painter;
    glPushMatrix();
    catchMarker_.Draw(painter);
    catchMarker_.Step(painter);
    glPopMatrix();
}

void CAquariumView::DrawBubbles() {
    glPushMatrix();
    glDisable(GL_FOG);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    const int bubbleCount = BubbleDrawCount(aquariumSettings.qiPaoNum);
    for (int e = 0; e < kBubbleEmitterCount; ++e) {
        const std::array<float, 3> origin = BubbleDrawOrigin(emitterPositions_[e]);
        glPushMatrix();
        glTranslatef(origin[0], origin[1], origin[2]);
        DrawBubbleEmitterGl(bubbleEmitters_[e], bubbleCount, bubbleTexture_);
        glPopMatrix();
    }
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
    glDisable(GL_LIGHTING);
}

void CAquariumView::DrawFoodPellets() {
    GlPelletPainter painter;
    for (FoodPellet& pellet : foodPellets_) {
        if (!pellet.IsActive()) continue;
        glPushMatrix();
        pellet.Draw(painter);
        glPopMatrix();
    }
}

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
