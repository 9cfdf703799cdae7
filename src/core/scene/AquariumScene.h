#pragma once

#include <array>

#include "core/fish/Fish.h"
#include "core/fish/FishSchool.h"
#include "core/fish/FoodPellet.h"
#include "core/interaction/MenuCommands.h"
#include "core/interaction/PickGrid.h"
#include "core/interaction/PointerState.h"
#include "core/interaction/ScenePicker.h"
#include "core/scene/ClockFace.h"
#include "core/scene/Daylight.h"
#include "core/scene/OverlayVisibility.h"
#include "core/settings/AquariumSettings.h"
#include "core/tank/BackgroundSurface.h"
#include "core/tank/BubbleColumns.h"
#include "core/tank/BubbleEmitter.h"
#include "core/tank/CatchMarker.h"
#include "core/tank/TankBounds.h"

// The user's own picture on the background surface, as the Custom Background
// dialog last chose it: while `on`, the surface wears `texture` (a name that
// holds no picture shows the surface bare) instead of the built-in picture.
struct CustomBackground {
    bool on = false;
    unsigned texture = 0;
};

// A fish of the school as the last step showed it: posed, in its species'
// skin, and inside the net's sphere while caught (a radius above 0).
struct ShownFish {
    FishPose pose;
    int species = 0;
    float caughtRadius = 0.0f;
};

// The whole tank without GL or a window: the school, the food pellets, the
// bubble columns, the catch net, the background surface, the reveal count and
// the interaction state, and the one per-frame step that advances them. What a
// step shows is kept for the renderer to draw. Every random choice comes from
// the process-wide stream in a fixed order: the fish and then the pellets as
// the scene is built, then the set-up steps in the order below, then the steps.
class AquariumScene {
  public:
    static constexpr float kCameraOffset = -5.0f;

    AquariumScene() = default;
    AquariumScene(const AquariumScene&) = delete;
    AquariumScene& operator=(const AquariumScene&) = delete;

    // The set-up, in this order, once.
    void SetTankBounds(int screenWidthPx, int screenHeightPx);
    void BuildBackgroundSurface();
    void ApplySettings(const AquariumSettings& settings);
    // Bubble columns (warmed up), school, catch net, then the pick grids.
    void PlaceScene();
    void InitFoodPellets();
    // The window's client area changed size after the set-up: the tank's
    // bounds, the frame's shape, the bubble columns and the pick grids follow.
    void Resize(int screenWidthPx, int screenHeightPx);

    // One frame's step: everything moves on once, and what lies under the
    // pointer is asked of `picker`.
    void Advance(ScenePicker& picker);

    void SetMode(Mode mode) { pointer_.mode = mode; }
    Mode CurrentMode() const { return pointer_.mode; }
    // The left button and the pointer, in client pixels; a press is acted on by
    // the next step.
    void LeftButtonDown(PointerPos at);
    void LeftButtonUp() { pointer_.LeftButtonUp(); }
    void MouseMove(PointerPos to) { pointer_.MouseMove(to); }
    // Until the pointer moves over the tank again.
    void PointerLeft() { pointer_.away = true; }
    const PointerState& Pointer() const { return pointer_; }
    void ToggleOverlay() { overlay_.Toggle(); }
    void HideOverlay() { overlay_.Hide(); }

    const TankBounds& Tank() const { return tankBounds_; }
    int ScreenWidth() const { return screenWidth_; }
    int ScreenHeight() const { return screenHeight_; }
    const AquariumSettings& Settings() const { return settings_; }
    const std::array<int, kSpeciesCount>& SpeciesCounts() const { return settings_.fishCounts; }
    // The Fish Settings dialog's counts, swum from the next step on.
    void SetSpeciesCounts(const std::array<int, kSpeciesCount>& counts) {
        settings_.fishCounts = counts;
    }
    void SetCustomBackground(const CustomBackground& picture) { customBackground_ = picture; }
    const CustomBackground& CustomBackgroundPicture() const { return customBackground_; }
    // The light of the time of day, dimming the light, thinning the bubbles
    // and slowing the fish from the next step on; the day's own unless set.
    void SetDaylight(const Daylight& light) { daylight_ = light; }
    const Daylight& CurrentDaylight() const { return daylight_; }
    // The clock drawn over the tank (no text: none).
    void SetClock(const ClockFace& clock) { clock_ = clock; }
    const ClockFace& Clock() const { return clock_; }
    int RevealCount() const { return revealCount_; }
    const std::array<Fish, kSchoolSlots>& School() const { return fish_; }
    std::array<Fish, kSchoolSlots>& School() { return fish_; }
    const std::array<FoodPellet, kFoodPelletCount>& FoodPellets() const { return foodPellets_; }
    const std::array<BubbleEmitter, kBubbleEmitterCount>& BubbleEmitters() const {
        return bubbleEmitters_;
    }
    const CatchMarker& Marker() const { return catchMarker_; }
    const BackgroundSurface& Surface() const { return backgroundSurface_; }

    // What the last step showed. A set-up that stopped early (no temporary
    // folder) placed nothing: of the tank there is only the help text.
    bool Placed() const { return placed_; }
    bool HelpTextShown() const { return helpTextShown_; }
    bool WallShown() const;
    int ShownFishCount() const { return shownFishCount_; }
    const ShownFish& ShownSchoolFish(int i) const { return shownSchool_[i]; }
    bool NetShown() const { return netShown_; }
    // Where column e's bubbles are drawn from.
    std::array<float, 3> BubbleOrigin(int e) const;

  private:
    // Catch mode with the pointer over the tank: the net follows it and catches.
    bool NetOut() const;
    void PlaceBubbleEmitters();
    void PlaceFishSchool();
    void LayPickGrids();
    void StepSchool();
    void StepBubbles();
    void StepFoodPellets();
    PickView View() const;
    void RunPickPass(ScenePicker& picker);
    float PickX(ScenePicker& picker) const;
    float PickY(ScenePicker& picker) const;
    void DropPellet(float x, float y);
    void PickFish(ScenePicker& picker);

    // Until the settings file is read: what a start without one gives, no fish.
    AquariumSettings settings_;
    TankBounds tankBounds_;
    int screenWidth_ = 1680;
    int screenHeight_ = 1050;
    int revealCount_ = 0;
    bool placed_ = false;
    OverlayVisibility overlay_;
    PointerState pointer_;
    CustomBackground customBackground_;
    Daylight daylight_;
    ClockFace clock_;

    // Each fish, then each pellet, draws from the random stream as it is built.
    std::array<Fish, kSchoolSlots> fish_;
    std::array<FoodPellet, kFoodPelletCount> foodPellets_;
    std::array<BubbleEmitter, kBubbleEmitterCount> bubbleEmitters_;
    std::array<std::array<float, 3>, kBubbleEmitterCount> emitterPositions_{};
    CatchMarker catchMarker_;
    BackgroundSurface backgroundSurface_;

    bool helpTextShown_ = false;
    std::array<ShownFish, kSchoolSlots> shownSchool_;
    int shownFishCount_ = 0;
    bool netShown_ = false;

    // The pick pass: the strips it sways and the point it has latched, one
    // axis at a time, inside the tank.
    PickGrid pickGridX_;
    PickGrid pickGridY_;
    bool xLatched_ = false;
    bool yLatched_ = false;
    float pickedX_ = 0.0f;
    float pickedY_ = 0.0f;
};
