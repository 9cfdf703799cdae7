#include "core/scene/AquariumScene.h"

#include <algorithm>
#include <cmath>

#include "core/interaction/FeedSteering.h"
#include "core/interaction/FishContactTests.h"
#include "core/scene/Reveal.h"

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
void AquariumScene::PlaceScene() {
    PlaceBubbleEmitters();
    PlaceFishSchool();
    catchMarker_.Reset(0.0f, 0.0f, kSchoolLayerZ);
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

// The columns are already rising when the tank first shows.
void AquariumScene::PlaceBubbleEmitters() {
    constexpr int kWarmUpSteps = 110;
    for (int e = 0; e < kBubbleEmitterCount; ++e) {
        emitterPositions_[e] = BubbleEmitterPosition(tankBounds_, e);
        BubbleEmitter& emitter = bubbleEmitters_[e];
        emitter.Init(kBubblePoolSize);
        for (int i = 0; i < kWarmUpSteps; ++i)
            emitter.Step(BubbleDrawCount(settings_.bubbleAmount));
    }
}

void AquariumScene::PlaceFishSchool() {
    for (Fish& fish : fish_) PlaceFish(fish, tankBounds_);
}

void AquariumScene::InitFoodPellets() {
    for (FoodPellet& pellet : foodPellets_) pellet.Init();
}

// The wall's net moves first; then the school, the net, the bubbles and the
// pellets, and last the picks, which act on what the pointer is over.
void AquariumScene::Advance(ScenePicker& picker) {
    revealCount_ = NextRevealCount(revealCount_);
    helpTextShown_ = overlay_.NextFrame();
    if (!placed_) return;
    if (WallShown()) backgroundSurface_.UpdateControlNet(tankBounds_, settings_.background);
    StepSchool();
    netShown_ = NetOut() && revealCount_ == kRevealLimit;
    if (netShown_) catchMarker_.Advance();
    StepBubbles();
    StepFoodPellets();
    RunPickPass(picker);
    PickFish(picker);
}

// Slot i joins the walk once revealCount reaches i, so after start-up the
// school fills in one fish per frame.
void AquariumScene::StepSchool() {
    const SpeciesRanges ranges = SpeciesRangesFor(settings_.fishCounts);
    shownFishCount_ = WalkedFishCount(ranges.total, revealCount_);
    for (int slot = 0; slot < shownFishCount_; ++slot) {
        Fish& fish = fish_[slot];
        ShownFish& shown = shownSchool_[slot];
        shown.species = SpeciesOfSlot(ranges, slot);
        fish.speedShare = daylight_.fishSpeedShare;
        fish.Update(shown.pose);
        shown.caughtRadius = fish.caught ? CaughtSphereRadius(fish.size) : 0.0f;
        if (!fish.caught) catchMarker_.slots[slot].caught = false;
        if (pointer_.mode == Mode::kFeed) {
            FeedSteer(fish, foodPellets_);
        } else {
            // Only Feed mode steers to the food: outside it no fish feeds.
            fish.SetFeeding(false);
        }
        FoodTest(fish, foodPellets_);
        if (NetOut() && revealCount_ >= kRevealLimit) {
            CatchTest(slot, fish, catchMarker_);
        }
    }
}

bool AquariumScene::NetOut() const {
    return pointer_.mode == Mode::kCatch && !pointer_.away;
}

bool AquariumScene::WallShown() const {
    return settings_.background == 0 && settings_.showTerra != 0;
}

std::array<float, 3> AquariumScene::BubbleOrigin(int e) const {
    return BubbleDrawOrigin(emitterPositions_[e]);
}

void AquariumScene::StepBubbles() {
    const int bubbleCount = static_cast<int>(
        std::lround(BubbleDrawCount(settings_.bubbleAmount) * daylight_.bubbleShare));
    for (BubbleEmitter& emitter : bubbleEmitters_) emitter.Step(bubbleCount);
}

void AquariumScene::StepFoodPellets() {
    for (FoodPellet& pellet : foodPellets_) {
        if (pellet.IsActive()) pellet.Step();
    }
}

// Feed mode latches the pointer every frame; a press starts afresh so that its
// pellet lands where it was pressed, not where the pointer was after the last
// drop.
void AquariumScene::LeftButtonDown(PointerPos at) {
    pointer_.LeftButtonDown(at);
    if (pointer_.mode == Mode::kFeed) xLatched_ = yLatched_ = false;
}

// Feed and Catch modes turn the pointer into a point of the fish layer: a
// strip pick per axis, each value latched once it lies inside the tank. A
// feed press drops a pellet there; in Catch mode the net heads for it.
PickView AquariumScene::View() const {
    return {screenWidth_, screenHeight_, kCameraOffset};
}

void AquariumScene::RunPickPass(ScenePicker& picker) {
    if (pointer_.mode != Mode::kFeed && !NetOut()) return;
    MovePickGrid(pickGridX_, 0, tankBounds_.xMin);
    MovePickGrid(pickGridY_, 1, tankBounds_.yMin);
    if (pointer_.feedRequest || pointer_.catchRequest) {
        const float x = PickX(picker);
        const float y = PickY(picker);
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
    if (pointer_.mode == Mode::kCatch && xLatched_ && yLatched_) {
        catchMarker_.SetTarget(pickedX_, pickedY_ - kPickDrop, kSchoolLayerZ);
        xLatched_ = yLatched_ = false;
    }
}

// A miss gives 0, which lies inside the tank.
float AquariumScene::PickX(ScenePicker& picker) const {
    const int strip =
        picker.StripUnderPointer(View(), pointer_.mousePos, pickGridX_, StripShape::kVertical);
    return strip < 0 ? 0.0f : pickGridX_.points[strip][0];
}

float AquariumScene::PickY(ScenePicker& picker) const {
    const int strip =
        picker.StripUnderPointer(View(), pointer_.mousePos, pickGridY_, StripShape::kHorizontal);
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
// posed for the pick.
void AquariumScene::PickFish(ScenePicker& picker) {
    const Mode mode = pointer_.mode;
    if (mode != Mode::kCatch && mode != Mode::kTouch && mode != Mode::kZoomIn &&
        mode != Mode::kZoomOut) {
        return;
    }
    if (!pointer_.buttonDown) return;
    pointer_.buttonDown = false;
    const int total = std::min(SpeciesRangesFor(settings_.fishCounts).total, kSchoolSlots);
    FishPose pose;
    for (int slot = 0; slot < total; ++slot) {
        Fish& fish = fish_[slot];
        fish.Update(pose);
        if (!picker.FishUnderPointer(View(), pointer_.mousePos, pose)) continue;
        if (mode == Mode::kTouch) {
            if (fish.InDeepBand()) fish.TurnHeading(0.0f, true, kTurnQuarter);
            fish.ChangeSpeed(0.4f, 0.3f);
        } else if (mode == Mode::kZoomIn) {
            fish.ChangeSize(2.0f, true);
        } else if (mode == Mode::kZoomOut) {
            fish.ChangeSize(2.0f, false);
        }
        return;
    }
}
