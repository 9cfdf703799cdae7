#pragma once

#include <array>

#include "core/interaction/PickGrid.h"
#include "core/interaction/PointerState.h"

struct AquariumSettings;
struct TankBounds;
class BackgroundSurface;
class BubblePainter;
class CatchMarkerPainter;
class FishPainter;
class PelletPainter;

// The user's own picture on the background surface, as the Custom Background
// dialog last chose it: while `on`, the surface wears `texture` (a name that
// holds no picture shows the surface bare) instead of the built-in picture.
struct CustomBackground {
    bool on = false;
    unsigned texture = 0;
};

// What one frame draws, in the order AquariumScene::RenderFrame asks for it.
// The GL renderer implements it; tests and the simulation benchmark record the
// calls or ignore them.
class ScenePainter {
  public:
    virtual ~ScenePainter() = default;

    // Projection and fixed camera for the screen, the viewport, cleared buffers.
    virtual void BeginFrame(int screenWidthPx, int screenHeightPx, float cameraOffset) = 0;
    virtual void DrawOverlay() = 0;
    // Light 1 at the level (0..1) and lighting on.
    virtual void ApplyLight(float level) = 0;
    virtual void DrawBackdrop(const AquariumSettings& settings, const TankBounds& tank) = 0;
    // In place of a backdrop that the picture wall hides: nothing drawn, the
    // state left as drawing it would.
    virtual void SkipBackdrop() = 0;
    // Moves to the fish's place and puts on its species' skin; EndSchoolSlot
    // moves back.
    virtual void BeginSchoolSlot(const std::array<float, 3>& position, int species) = 0;
    virtual void DrawCaughtSphere(float radius) = 0;
    virtual void EndSchoolSlot() = 0;
    // The width and height in texels of the picture the wall wears.
    virtual std::array<int, 2> WallPictureSize(const CustomBackground& picture) = 0;
    // Where the picture comes out magnified all over (`magnified`), the
    // painter may sample its full-size level alone: the same pixels without
    // choosing a mipmap level for each.
    virtual void DrawBackgroundSurface(const BackgroundSurface& surface,
                                       const CustomBackground& picture, bool magnified) = 0;
    // A wall that covers the view and comes out of the light as its own
    // picture can be drawn first, before anything that stands in front of it,
    // without the depth test and the lighting. ResumeAfterWall, where the wall
    // would otherwise be drawn, leaves the texture state that drawing it there
    // would leave.
    virtual void BeginWallFirst() = 0;
    virtual void EndWallFirst() = 0;
    virtual void ResumeAfterWall() = 0;
    // Bubbles add their light over everything drawn so far: no depth test, no
    // fog. EndBubbles restores the depth test and turns lighting off.
    virtual void BeginBubbles() = 0;
    virtual void BeginBubbleColumn(const std::array<float, 3>& origin) = 0;
    virtual void EndBubbleColumn() = 0;
    virtual void EndBubbles() = 0;
    // The frame is complete: wait until it is drawn.
    virtual void EndFrame() = 0;

    // The picks find, in GL's selection mode, what lies under the pointer;
    // each leaves the matrices and the render mode as it found them.
    // The colour the pick pass leaves current: white with no alpha.
    virtual void SetPickColour() = 0;
    // The lowest index of the grid's strips that the 15 x 15 pixel square
    // under the pointer touches, or -1.
    virtual int PickStrip(const PickGrid& grid, StripShape shape, PointerPos pointer) = 0;
    // The fish drawn next, at `position`, is tested against the 30 x 30 pixel
    // square under the pointer; EndFishPick says whether it touched it.
    virtual void BeginFishPick(PointerPos pointer, const std::array<float, 3>& position) = 0;
    virtual bool EndFishPick() = 0;

    virtual FishPainter& Fish() = 0;
    virtual BubblePainter& Bubbles() = 0;
    virtual CatchMarkerPainter& CatchNet() = 0;
    virtual PelletPainter& Pellets() = 0;
};
