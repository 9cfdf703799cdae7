// The set-up steps of the scene that belong to other subsystems. Each runs once
// from InitGL, in the order InitGL gives.
#include "render/AquariumView.h"
#include "render/OverlayFont.h"
#include "settings/LoadAquariumSettings.h"

void CAquariumView::BuildOverlayFont() {
    fontBase_ = BuildFont();
}

void CAquariumView::BuildBackgroundSurface() {}

void CAquariumView::LoadBackgroundTexture() {}

void CAquariumView::LoadFishSkins() {}

void CAquariumView::LoadSettings() {
    LoadAquariumSettings();
}

void CAquariumView::PlaceScene() {}

void CAquariumView::InitFoodPellets() {}

void CAquariumView::CreateDialogs() {}
