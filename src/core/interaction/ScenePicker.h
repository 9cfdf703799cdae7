#pragma once

#include "core/fish/Fish.h"
#include "core/interaction/PickGrid.h"
#include "core/interaction/PointerState.h"

// The camera a pick looks through: the screen the tank is shaped for, and the
// scene's camera offset.
struct PickView {
    int screenWidthPx = 0;
    int screenHeightPx = 0;
    float cameraOffset = 0.0f;
};

// What lies under the pointer, asked by the scene's step; the GL layer answers
// through its selection mode, tests answer as they please.
class ScenePicker {
  public:
    virtual ~ScenePicker() = default;
    // The lowest index of the grid's strips that the 15 x 15 pixel square
    // under the pointer touches, or -1.
    virtual int StripUnderPointer(const PickView& view, PointerPos pointer, const PickGrid& grid,
                                  StripShape shape) = 0;
    // Whether the fish, posed as drawn in full, touches the 30 x 30 pixel
    // square under the pointer.
    virtual bool FishUnderPointer(const PickView& view, PointerPos pointer,
                                  const FishPose& fish) = 0;
};
