// The set-up steps of the scene that belong to other subsystems. Each runs once
// from InitGL, in the order InitGL gives.
#include "render/AquariumView.h"

void CAquariumView::BuildOverlayFont() {}

void CAquariumView::BuildBackgroundSurface() {}

void CAquariumView::LoadBackgroundTexture() {}

void CAquariumView::LoadFishSkins() {}

void CAquariumView::LoadSettings() {}

// Bubble emitters, fish, then the catch marker: each takes its turn at the one
// random stream, so the order fixes where everything starts.
void CAquariumView::PlaceScene() {
    PlaceFishSchool();
}

void CAquariumView::PlaceFishSchool() {
    for (Fish& fish : fish_) PlaceFish(fish, tankBounds_);
}

void CAquariumView::InitFoodPellets() {}

void CAquariumView::CreateDialogs() {}
