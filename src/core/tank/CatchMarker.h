#pragma once

#include <array>

#include "core/tank/SchoolLayout.h"

// Draws the net for CatchMarker; the GL layer implements it.
class CatchMarkerPainter {
  public:
    virtual ~CatchMarkerPainter() = default;
    // The wire cone at `at`, turned by spinDegrees about the z axis.
    virtual void DrawCone(const std::array<float, 3>& at, float spinDegrees) = 0;
};

// One fish's record in the net: where it was caught and whether it still is.
struct CatchSlot {
    std::array<float, 3> position{};
    bool caught = false;
};

// The net of Catch mode: a spinning wire cone that glides toward the point
// under the cursor in steps of 1.5 world units per axis, and one catch slot
// per fish index (all clear when built).
class CatchMarker {
  public:
    static constexpr int kSlotCount = kSchoolSlots;
    static constexpr float kStepLength = 1.5f;

    // Puts the marker at (x, y, z) with nowhere to go, and draws it there.
    void Reset(float x, float y, float z, CatchMarkerPainter& painter);
    void SetTarget(float x, float y, float z) { target = {x, y, z}; }
    // Turns the net by 0.1 degrees (wrapping to 0 once past 360) and draws it.
    void Draw(CatchMarkerPainter& painter);
    // Draws, then moves 1.5 toward the target on every axis whose gap is more
    // than 1.5; it stops within 1.5 of the target on each axis.
    void Step(CatchMarkerPainter& painter);

    std::array<float, 3> start{};
    std::array<float, 3> target{};
    std::array<float, 3> current{};
    std::array<CatchSlot, kSlotCount> slots{};
    float spin = 0.0f;  // degrees
};
