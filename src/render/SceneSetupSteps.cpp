// The set-up steps of the scene that belong to other subsystems. Each runs once
// from InitGL, in the order InitGL gives.
#include "render/AquariumView.h"

#include <string>

#include "resources/EmbeddedTexture.h"
#include "resources/ResourceIds.h"
#include "resources/TextureLoaders.h"

void CAquariumView::BuildOverlayFont() {}

void CAquariumView::BuildBackgroundSurface() {}

void CAquariumView::LoadBackgroundTexture() {
    LoadEmbeddedTexture(kBackgroundResourceId, unpackDir_, "BackGround0", LoadTextureRGBA,
                        &backgroundTexture_);
}

void CAquariumView::LoadFishSkins() {
    for (int species = 0; species < 10; ++species) {
        LoadEmbeddedTexture(kFirstFishSkinResourceId + species, unpackDir_,
                            "fish" + std::to_string(species), LoadTextureBMP,
                            &speciesSkins_[species]);
    }
}

void CAquariumView::LoadSettings() {}

void CAquariumView::PlaceScene() {}

void CAquariumView::InitFoodPellets() {}

void CAquariumView::CreateDialogs() {}
