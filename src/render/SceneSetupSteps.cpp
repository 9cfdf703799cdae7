// The set-up steps of the scene that belong to other subsystems. Each runs once
// from InitGL, in the order InitGL gives.
#include "render/AquariumView.h"
#include "render/OverlayFont.h"

void CAquariumView::BuildOverlayFont() {
    fontBase_ = BuildFont();
}

void CAquariumView::BuildBackgroundSurface() {}

void CAquariumView::LoadBackgroundTexture() {}

void CAquariumView::LoadFishSkins() {}

void CAquariumView::LoadSettings() {}

void CAquariumView::PlaceScene() {}

void CAquariumView::InitFoodPellets() {}

void CAquariumView::CreateDialogs() {}
