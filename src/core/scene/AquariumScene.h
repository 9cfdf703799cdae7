#pragma once

#include <array>

#include "core/fish/Fish.h"
#include "core/fish/FishSchool.h"
#include "core/fish/FishVertexBatch.h"
#include "core/fish/FoodPellet.h"
#include "core/interaction/MenuCommands.h"
#include "core/interaction/PickGrid.h"
#include "core/interaction/PointerState.h"
#include "core/scene/OverlayVisibility.h"
#include "core/scene/ScenePainter.h"
#include "core/settings/AquariumSettings.h"
#include "core/tank/BackgroundSurface.h"
#include "core/tank/BubbleColumns.h"
#include "core/tank/BubbleEmitter.h"
#include "core/tank/CatchMarker.h"
#include "core/tank/TankBounds.h"

// Ways a frame saves work without changing what a user sees: skip the
// backdrop the wall hides, draw the wall first without depth test and
// lighting (both leave every pixel as it was), and give fish a few dozen
// pixels long the light mesh. Tests and the benchmark turn them off to compare.
struct DrawShortcuts {
    bool hiddenBackdrop = true;
    bool wallFirst = true;
    bool lightMeshes = true;
    bool magnifiedWall = true;

    static DrawShortcuts None() { return {false, false, false, false}; }
    // These shortcuts less `shortcut`, as in Without(&DrawShortcuts::wallFirst).
    DrawShortcuts Without(bool DrawShortcuts::*shortcut) const {
        DrawShortcuts fewer = *this;
        fewer.*shortcut = false;
        return fewer;
    }
};

// The whole tank without GL or a window: the school, the food pellets, the
// bubble columns, the catch net, the background surface, the reveal count and
// the interaction state, and the one per-frame step that advances them and
// asks a painter to draw them. Every random choice comes from the process-wide
// stream in a fixed order: the fish and then the pellets as the scene is built,
// then the set-up steps in the order below, then the frames.
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
    // Bubble columns (warmed up through the painter), school, catch net, then
    // the pick grids.
    void PlaceScene(ScenePainter& painter);
    void InitFoodPellets();
    // The window's client area changed size after the set-up: the tank's
    // bounds, the frame's shape, the bubble columns and the pick grids follow.
    void Resize(int screenWidthPx, int screenHeightPx);

    // One frame: advances everything by one step and draws it with the painter.
    void RenderFrame(ScenePainter& painter);

    void SetDrawShortcuts(const DrawShortcuts& shortcuts) { shortcuts_ = shortcuts; }

    // Every command id chosen becomes the mode; the frame acts on the ones it knows.
    void SetMode(int commandId) { pointer_.mode = commandId; }
    int Mode() const { return pointer_.mode; }
    // The left button and the pointer, in client pixels; a press is acted on by
    // the next frame.
    void LeftButtonDown(PointerPos at);
    void LeftButtonUp() { pointer_.LeftButtonUp(); }
    void MouseMove(PointerPos to) { pointer_.MouseMove(to); }
    const PointerState& Pointer() const { return pointer_; }
    void ToggleOverlay() { overlay_.Toggle(); }
    void HideOverlay() { overlay_.Hide(); }
    bool OverlayShown() const { return overlay_.Shown(); }

    const TankBounds& Tank() const { return tankBounds_; }
    const AquariumSettings& Settings() const { return settings_; }
    const std::array<int, kSpeciesCount>& SpeciesCounts() const { return settings_.fishCounts; }
    // The Fish Settings dialog's counts, swum from the next frame on.
    void SetSpeciesCounts(const std::array<int, kSpeciesCount>& counts) {
        settings_.fishCounts = counts;
    }
    void SetCustomBackground(const CustomBackground& picture) { customBackground_ = picture; }
    const CustomBackground& CustomBackgroundPicture() const { return customBackground_; }
    int RevealCount() const { return revealCount_; }
    const std::array<Fish, kSchoolSlots>& School() const { return fish_; }
    std::array<Fish, kSchoolSlots>& School() { return fish_; }
    const std::array<FoodPellet, kFoodPelletCount>& FoodPellets() const { return foodPellets_; }
    const std::array<BubbleEmitter, kBubbleEmitterCount>& BubbleEmitters() const {
        return bubbleEmitters_;
    }
    const CatchMarker& Marker() const { return catchMarker_; }
    const BackgroundSurface& Surface() const { return backgroundSurface_; }

  private:
    void PlaceBubbleEmitters(ScenePainter& painter);
    void PlaceFishSchool();
    void PlaceCatchMarker(ScenePainter& painter);
    void LayPickGrids();
    void RenderHelpTextOnly(ScenePainter& painter);
    void DrawFishSchool(ScenePainter& painter);
    void DrawSchoolSlot(int slot, int species, ScenePainter& painter);
    MeshDetail DetailOf(const Fish& fish) const;
    bool WallShown() const;
    bool WallMagnified(ScenePainter& painter) const;
    void DrawCatchMarker(ScenePainter& painter);
    void DrawBubbles(ScenePainter& painter);
    void DrawFoodPellets(ScenePainter& painter);
    void RunPickPass(ScenePainter& painter);
    float PickX(ScenePainter& painter) const;
    float PickY(ScenePainter& painter) const;
    void DropPellet(float x, float y);
    void PickFish(ScenePainter& painter);

    // Until the settings file is read: what a start without one gives, no fish.
    AquariumSettings settings_;
    TankBounds tankBounds_;
    int screenWidth_ = 1680;
    int screenHeight_ = 1050;
    int revealCount_ = 0;
    bool placed_ = false;
    OverlayVisibility overlay_;
    DrawShortcuts shortcuts_;
    PointerState pointer_;
    CustomBackground customBackground_;

    // Lent to each fish in turn for the vertices of its mesh.
    FishVertexBatch fishMesh_;
    // Each fish, then each pellet, draws from the random stream as it is built.
    std::array<Fish, kSchoolSlots> fish_;
    std::array<FoodPellet, kFoodPelletCount> foodPellets_;
    std::array<BubbleEmitter, kBubbleEmitterCount> bubbleEmitters_;
    std::array<std::array<float, 3>, kBubbleEmitterCount> emitterPositions_{};
    CatchMarker catchMarker_;
    BackgroundSurface backgroundSurface_;

    // The pick pass: the strips it sways and the point it has latched, one
    // axis at a time, inside the tank.
    PickGrid pickGridX_;
    PickGrid pickGridY_;
    bool xLatched_ = false;
    bool yLatched_ = false;
    float pickedX_ = 0.0f;
    float pickedY_ = 0.0f;
};
