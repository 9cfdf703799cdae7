#pragma once

#include <array>

#include "core/tank/SchoolLayout.h"

// The wire cone as a frame shows it: where it stands, turned by `spin`
// degrees about the z axis.
struct NetPose {
    std::array<float, 3> at{};
    float spin = 0.0f;
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

    // Puts the marker at (x, y, z) with nowhere to go, turned once.
    void Reset(float x, float y, float z);
    void SetTarget(float x, float y, float z) { target = {x, y, z}; }
    // One frame: the net is shown twice where it stands, turned by 0.1
    // degrees before each (wrapping to 0 once past 360), then moves 1.5
    // toward the target on every axis whose gap is more than 1.5; it stops
    // within 1.5 of the target on each axis.
    void Advance();
    // The two poses the last Advance showed.
    const std::array<NetPose, 2>& Shown() const { return shown_; }

    std::array<float, 3> target{};
    std::array<float, 3> current{};
    std::array<CatchSlot, kSlotCount> slots{};
    float spin = 0.0f;  // degrees

  private:
    void Turn();

    std::array<NetPose, 2> shown_{};
};
