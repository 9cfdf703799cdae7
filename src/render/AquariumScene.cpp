#include "render/AquariumScene.h"

#include "render/FrameSetup.h"
#include "render/ScenePainter.h"

void AquariumScene::SetTankBounds(int screenWidthPx, int screenHeightPx) {
    screenWidth_ = screenWidthPx;
    screenHeight_ = screenHeightPx;
    tankBounds_ = TankBoundsForScreen(screenWidth_, screenHeight_);
}

// The surface is drawn straight from its control net every frame; set-up only
// lays the net out.
void AquariumScene::BuildBackgroundSurface() {
    backgroundSurface_.UpdateControlNet(tankBounds_, settings_.background);
}

void AquariumScene::ApplySettings(const AquariumSettings& settings) {
    settings_ = settings;
}

// Each takes its turn at the one random stream, so the order fixes where
// everything starts.
void AquariumScene::PlaceScene(ScenePainter& painter) {
    PlaceBubbleEmitters(painter);
    PlaceFishSchool();
    PlaceCatchMarker(painter);
}

void AquariumScene::PlaceBubbleEmitters(ScenePainter& painter) {
    // The warm-up draws go to the back buffer before the first frame, so the
    // columns are already rising when the tank first shows.
    constexpr int kWarmUpDraws = 110;
    for (int e = 0; e < kBubbleEmitterCount; ++e) {
        emitterPositions_[e] = BubbleEmitterPosition(tankBounds_, e);
        BubbleEmitter& emitter = bubbleEmitters_[e];
        emitter.Init(kBubblePoolSize);
        emitter.SetColoured(false);
        for (int i = 0; i < kWarmUpDraws; ++i) {
            emitter.Draw(BubbleDrawCount(settings_.bubbleAmount), painter.Bubbles());
        }
    }
}

void AquariumScene::PlaceFishSchool() {
    for (Fish& fish : fish_) PlaceFish(fish, tankBounds_);
}

void AquariumScene::PlaceCatchMarker(ScenePainter& painter) {
    catchMarker_.Reset(0.0f, 0.0f, -70.0f, painter.CatchNet());
}

void AquariumScene::InitFoodPellets() {
    for (FoodPellet& pellet : foodPellets_) pellet.Init();
}

void AquariumScene::RenderFrame(ScenePainter& painter) {
    revealCount_ = NextRevealCount(revealCount_);
    painter.BeginFrame(screenWidth_, screenHeight_, kCameraOffset);
    if (overlay_.NextFrame()) painter.DrawOverlay();
    painter.ApplyLight(LightLevel(settings_.lightReduction));
    painter.DrawBackdrop(settings_, tankBounds_);
    DrawFishSchool(painter);
    DrawBackgroundSurface(painter);
    DrawCatchMarker(painter);
    DrawBubbles(painter);
    DrawFoodPellets(painter);
    painter.EndFrame();
}

// Slot i joins the walk once revealCount reaches i, so after start-up the
// school fills in one fish per frame.
void AquariumScene::DrawFishSchool(ScenePainter& painter) {
    const SpeciesRanges ranges = SpeciesRangesFor(settings_.fishCounts);
    const int walked = WalkedFishCount(ranges.total, revealCount_);
    for (int slot = 0; slot < walked; ++slot) {
        DrawSchoolSlot(slot, SpeciesOfSlot(ranges, slot), painter);
    }
}

void AquariumScene::DrawSchoolSlot(int slot, int species, ScenePainter& painter) {
    Fish& fish = fish_[slot];
    painter.BeginSchoolSlot(fish.position, species);
    fish.UpdateAndDraw(species, painter.Fish());
    if (fish.caught) {
        const float radius = CaughtSphereRadius(fish.size);
        if (radius > 0.0f) painter.DrawCaughtSphere(radius);
    } else {
        catchMarker_.slots[slot].caught = false;
    }
    painter.EndSchoolSlot();
}

void AquariumScene::DrawBackgroundSurface(ScenePainter& painter) {
    if (settings_.background != 0 || settings_.showTerra == 0) return;
    backgroundSurface_.UpdateControlNet(tankBounds_, settings_.background);
    painter.DrawBackgroundSurface(backgroundSurface_);
}

void AquariumScene::DrawCatchMarker(ScenePainter& painter) {
    if (mode_ != kCommandCatch || revealCount_ != kRevealLimit) return;
    catchMarker_.Draw(painter.CatchNet());
    catchMarker_.Step(painter.CatchNet());
}

void AquariumScene::DrawBubbles(ScenePainter& painter) {
    painter.BeginBubbles();
    const int bubbleCount = BubbleDrawCount(settings_.bubbleAmount);
    for (int e = 0; e < kBubbleEmitterCount; ++e) {
        painter.BeginBubbleColumn(BubbleDrawOrigin(emitterPositions_[e]));
        bubbleEmitters_[e].Draw(bubbleCount, painter.Bubbles());
        painter.EndBubbleColumn();
    }
    painter.EndBubbles();
}

void AquariumScene::DrawFoodPellets(ScenePainter& painter) {
    for (FoodPellet& pellet : foodPellets_) {
        if (pellet.IsActive()) pellet.Draw(painter.Pellets());
    }
}
