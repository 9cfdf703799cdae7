// The set-up steps of the scene that belong to other subsystems. Each runs once
// from InitGL, in the order InitGL gives.
#include <string>

#include "fish/FoodPelletGl.h"
#include "render/AquariumView.h"
#include "render/OverlayFont.h"
#include "resources/EmbeddedTexture.h"
#include "resources/ResourceIds.h"
#include "resources/TextureLoaders.h"
#include "settings/AquariumSettings.h"
#include "settings/LoadAquariumSettings.h"
#include "tank/BubbleEmitterGl.h"
#include "tank/CatchMarkerGl.h"

void CAquariumView::BuildOverlayFont() {
    fontBase_ = BuildFont();
}

// The surface is drawn straight from its control net every frame; set-up only
// lays the net out.
void CAquariumView::BuildBackgroundSurface() {
    backgroundSurface_.UpdateControlNet(tankBounds_, aquariumSettings.background);
}

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

void CAquariumView::LoadSettings() {
    LoadAquariumSettings();
}

// Bubble emitters, fish, then the catch marker: each takes its turn at the one
// random stream, so the order fixes where everything starts.
void CAquariumView::PlaceScene() {
    PlaceBubbleEmitters();
    PlaceFishSchool();
    PlaceCatchMarker();
}

void CAquariumView::PlaceBubbleEmitters() {
    // The warm-up draws go to the back buffer before the first frame, so the
    // columns are already rising when the tank first shows.
    constexpr int kWarmUpDraws = 110;
    // The three columns share one bubble picture.
    LoadEmbeddedTexture(kBubbleResourceId, unpackDir_, "Particle1", LoadTextureBMP,
                        &bubbleTexture_);
    for (int e = 0; e < kBubbleEmitterCount; ++e) {
        emitterPositions_[e] = BubbleEmitterPosition(tankBounds_, e);
        BubbleEmitter& emitter = bubbleEmitters_[e];
        emitter.Init(kBubblePoolSize);
        emitter.SetColoured(false);
        for (int i = 0; i < kWarmUpDraws; ++i) {
            DrawBubbleEmitterGl(emitter, BubbleDrawCount(aquariumSettings.qiPaoNum),
                                bubbleTexture_);
        }
    }
}

void CAquariumView::PlaceFishSchool() {
    for (Fish& fish : fish_) PlaceFish(fish, tankBounds_);
}

void CAquariumView::PlaceCatchMarker() {
    GlCatchMarkerPainter painter;
    catchMarker_.Reset(0.0f, 0.0f, -70.0f, painter);
}

void CAquariumView::InitFoodPellets() {
    flakeList_ = BuildFlakeList();
    for (FoodPellet& pellet : foodPellets_) {
        pellet.Init();
        pellet.displayList = flakeList_;
    }
}

void CAquariumView::CreateDialogs() {}
