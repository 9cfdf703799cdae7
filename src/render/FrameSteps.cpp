// The steps of one frame that belong to other subsystems, in frame order.
#include <GL/gl.h>

#include "music/MusicHandover.h"
#include "render/AquariumView.h"
#include "render/DisplayListCache.h"
#include "render/FrameSetup.h"

void CAquariumView::DrawOverlayStep() {}

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

void CAquariumView::ClearCatchMarkerSlot(int) {}

void CAquariumView::FeedSteer(int, int) {}

void CAquariumView::FoodTest(int, int) {}

void CAquariumView::CatchTest(int, int) {}

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
