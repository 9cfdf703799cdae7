#include "core/scene/AquariumScene.h"

#include <algorithm>

#include "core/interaction/FeedSteering.h"
#include "core/interaction/FishContactTests.h"
#include "core/scene/CameraGeometry.h"
#include "core/scene/Reveal.h"
#include "core/scene/ScenePainter.h"
#include "core/scene/SettingsColours.h"
#include "core/scene/WallCoverage.h"
#include "core/scene/WallMagnification.h"

namespace {
// Picked points and dropped food sit this far below the pointer's strip.
constexpr float kPickDrop = 2.0f;
}  // namespace

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
    LayPickGrids();
    placed_ = true;
}

void AquariumScene::Resize(int screenWidthPx, int screenHeightPx) {
    if (screenWidthPx == screenWidth_ && screenHeightPx == screenHeight_) return;
    SetTankBounds(screenWidthPx, screenHeightPx);
    for (int e = 0; e < kBubbleEmitterCount; ++e) {
        emitterPositions_[e] = BubbleEmitterPosition(tankBounds_, e);
    }
    LayPickGrids();
}

void AquariumScene::LayPickGrids() {
    pickGridX_ = BuildPickGridX(tankBounds_);
    pickGridY_ = BuildPickGridY(tankBounds_);
    xLatched_ = yLatched_ = false;
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
    catchMarker_.Reset(0.0f, 0.0f, kSchoolLayerZ, painter.CatchNet());
}

void AquariumScene::InitFoodPellets() {
    for (FoodPellet& pellet : foodPellets_) pellet.Init();
}

// The wall's net moves before anything is drawn, so that the frame knows
// whether the wall hides the backdrop; nothing else reads it.
void AquariumScene::RenderFrame(ScenePainter& painter) {
    revealCount_ = NextRevealCount(revealCount_);
    if (!placed_) {
        RenderHelpTextOnly(painter);
        return;
    }
    const bool wallShown = WallShown();
    if (wallShown) backgroundSurface_.UpdateControlNet(tankBounds_, settings_.background);
    const bool wallCovers = wallShown && WallCoversView(backgroundSurface_, screenWidth_,
                                                        screenHeight_, EyeZ(kCameraOffset));
    const float lightLevel = LightLevel(settings_.lightReduction);
    const bool backdropHidden = wallCovers && shortcuts_.hiddenBackdrop;
    // Lit, the wall takes the colour the backdrop leaves, white.
    const bool wallFirst = backdropHidden && shortcuts_.wallFirst &&
                           (settings_.backSolid != 0 || settings_.backGradient != 0) &&
                           LightSaturatesWhite(lightLevel);

    painter.BeginFrame(screenWidth_, screenHeight_, kCameraOffset);
    const bool wallMagnified = wallShown && WallMagnified(painter);
    if (wallFirst) {
        painter.BeginWallFirst();
        painter.DrawBackgroundSurface(backgroundSurface_, customBackground_, wallMagnified);
        painter.EndWallFirst();
    }
    if (overlay_.NextFrame()) painter.DrawOverlay();
    painter.ApplyLight(lightLevel);
    if (backdropHidden) {
        painter.SkipBackdrop();
    } else {
        painter.DrawBackdrop(settings_, tankBounds_);
    }
    DrawFishSchool(painter);
    if (wallFirst) {
        painter.ResumeAfterWall();
    } else if (wallShown) {
        painter.DrawBackgroundSurface(backgroundSurface_, customBackground_, wallMagnified);
    }
    DrawCatchMarker(painter);
    DrawBubbles(painter);
    DrawFoodPellets(painter);
    RunPickPass(painter);
    PickFish(painter);
    painter.EndFrame();
}

// A set-up that stopped early (no temporary folder) read no settings and
// placed nothing: of the tank there is only the help text's font.
void AquariumScene::RenderHelpTextOnly(ScenePainter& painter) {
    painter.BeginFrame(screenWidth_, screenHeight_, kCameraOffset);
    if (overlay_.NextFrame()) painter.DrawOverlay();
    painter.EndFrame();
}

// Slot i joins the walk once revealCount reaches i, so after start-up the
// school fills in one fish per frame.
void AquariumScene::DrawFishSchool(ScenePainter& painter) {
    const SpeciesRanges ranges = SpeciesRangesFor(settings_.fishCounts);
    const int walked = WalkedFishCount(ranges.total, revealCount_);
    for (int slot = 0; slot < walked; ++slot) {
        DrawSchoolSlot(slot, SpeciesOfSlot(ranges, slot), painter);
        Fish& fish = fish_[slot];
        if (pointer_.mode == kCommandFeed) {
            FeedSteer(fish, foodPellets_);
        } else {
            // Only Feed mode steers to the food: outside it no fish feeds.
            fish.SetFeeding(false);
        }
        FoodTest(fish, foodPellets_);
        if (pointer_.mode == kCommandCatch && revealCount_ >= kRevealLimit) {
            CatchTest(slot, fish, catchMarker_);
        }
    }
}

void AquariumScene::DrawSchoolSlot(int slot, int species, ScenePainter& painter) {
    Fish& fish = fish_[slot];
    painter.BeginSchoolSlot(fish.position, species);
    fish.UpdateAndDraw(painter.Fish(), fishMesh_, DetailOf(fish));
    if (fish.caught) {
        const float radius = CaughtSphereRadius(fish.size);
        if (radius > 0.0f) painter.DrawCaughtSphere(radius);
    } else {
        catchMarker_.slots[slot].caught = false;
    }
    painter.EndSchoolSlot();
}

MeshDetail AquariumScene::DetailOf(const Fish& fish) const {
    if (!shortcuts_.lightMeshes) return MeshDetail::kFull;
    return FishMeshDetail(fish.size, fish.position[2], screenWidth_, screenHeight_,
                          EyeZ(kCameraOffset));
}

bool AquariumScene::WallShown() const {
    return settings_.background == 0 && settings_.showTerra != 0;
}

// GL magnifies below one texel per pixel; the margin keeps the driver's
// approximate level arithmetic on the same side.
bool AquariumScene::WallMagnified(ScenePainter& painter) const {
    constexpr double kMostTexelsPerPixel = 0.9;
    if (!shortcuts_.magnifiedWall) return false;
    const auto [width, height] = painter.WallPictureSize(customBackground_);
    return WallTexelsPerPixel(backgroundSurface_, screenWidth_, screenHeight_, EyeZ(kCameraOffset),
                              width, height) < kMostTexelsPerPixel;
}

void AquariumScene::DrawCatchMarker(ScenePainter& painter) {
    if (pointer_.mode != kCommandCatch || revealCount_ != kRevealLimit) return;
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

// Feed mode latches the pointer every frame; a press starts afresh so that its
// pellet lands where it was pressed, not where the pointer was after the last
// drop.
void AquariumScene::LeftButtonDown(PointerPos at) {
    pointer_.LeftButtonDown(at);
    if (pointer_.mode == kCommandFeed) xLatched_ = yLatched_ = false;
}

// Feed and Catch modes turn the pointer into a point of the fish layer: a
// strip pick per axis, each value latched once it lies inside the tank. A
// feed press drops a pellet there; in Catch mode the net heads for it.
void AquariumScene::RunPickPass(ScenePainter& painter) {
    if (pointer_.mode != kCommandFeed && pointer_.mode != kCommandCatch) return;
    painter.SetPickColour();
    MovePickGrid(pickGridX_, 0, tankBounds_.xMin);
    MovePickGrid(pickGridY_, 1, tankBounds_.yMin);
    if (pointer_.feedRequest || pointer_.catchRequest) {
        const float x = PickX(painter);
        const float y = PickY(painter);
        if (!xLatched_ && tankBounds_.xMin <= x && x <= tankBounds_.xMax) {
            xLatched_ = true;
            pickedX_ = x;
        }
        if (!yLatched_ && tankBounds_.yMin <= y && y <= tankBounds_.yMax) {
            yLatched_ = true;
            pickedY_ = y;
        }
    }
    if (pointer_.feedRequest && xLatched_ && yLatched_) {
        xLatched_ = yLatched_ = false;
        pointer_.feedRequest = false;
        DropPellet(pickedX_, pickedY_);
    }
    if (pointer_.mode == kCommandCatch && xLatched_ && yLatched_) {
        catchMarker_.SetTarget(pickedX_, pickedY_ - kPickDrop, kSchoolLayerZ);
        xLatched_ = yLatched_ = false;
    }
}

// A miss gives 0, which lies inside the tank.
float AquariumScene::PickX(ScenePainter& painter) const {
    const int strip = painter.PickStrip(pickGridX_, StripShape::kVertical, pointer_.mousePos);
    return strip < 0 ? 0.0f : pickGridX_.points[strip][0];
}

float AquariumScene::PickY(ScenePainter& painter) const {
    const int strip = painter.PickStrip(pickGridY_, StripShape::kHorizontal, pointer_.mousePos);
    return strip < 0 ? 0.0f : pickGridY_.points[strip][1];
}

// Into the first free pellet; with all 20 sinking the press is used up.
void AquariumScene::DropPellet(float x, float y) {
    const auto free = std::find_if(foodPellets_.begin(), foodPellets_.end(),
                                   [](const FoodPellet& pellet) { return !pellet.IsActive(); });
    if (free == foodPellets_.end()) return;
    free->Place(x, y - kPickDrop, kSchoolLayerZ);
    free->SetActive(true);
}

// One pick per press, in Catch, Touch and the zoom modes. Every fish tested,
// revealed or not, up to the one hit takes its frame's step again as it is
// drawn for the pick.
void AquariumScene::PickFish(ScenePainter& painter) {
    const int mode = pointer_.mode;
    if (mode != kCommandCatch && mode != kCommandTouch && mode != kCommandZoomIn &&
        mode != kCommandZoomOut) {
        return;
    }
    if (!pointer_.buttonDown) return;
    pointer_.buttonDown = false;
    const int total = std::min(SpeciesRangesFor(settings_.fishCounts).total, kSchoolSlots);
    for (int slot = 0; slot < total; ++slot) {
        Fish& fish = fish_[slot];
        painter.BeginFishPick(pointer_.mousePos, fish.position);
        // Picked as drawn in full, whatever detail the frame drew it in.
        fish.UpdateAndDraw(painter.Fish(), fishMesh_, MeshDetail::kFull);
        if (!painter.EndFishPick()) continue;
        if (mode == kCommandTouch) {
            if (fish.InDeepBand()) fish.TurnHeading(0.0f, true, kTurnQuarter);
            fish.ChangeSpeed(0.4f, 0.3f);
        } else if (mode == kCommandZoomIn) {
            fish.ChangeSize(2.0f, true);
        } else if (mode == kCommandZoomOut) {
            fish.ChangeSize(2.0f, false);
        }
        return;
    }
}
