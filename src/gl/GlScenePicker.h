#pragma once

#include <array>

#include <GL/gl.h>

#include "core/fish/FishVertexBatch.h"
#include "core/interaction/ScenePicker.h"

// Picks in GL's selection mode, under the scene's own camera, over a screen
// of the view's size times `pixelScale`; nothing is drawn. Each pick sets the
// scene's camera in the model-view matrix and leaves the projection and the
// render mode as it found them.
class GlScenePicker : public ScenePicker {
  public:
    explicit GlScenePicker(double pixelScale) : pixelScale_(pixelScale) {}

    int StripUnderPointer(const PickView& view, PointerPos pointer, const PickGrid& grid,
                          StripShape shape) override;
    bool FishUnderPointer(const PickView& view, PointerPos pointer, const FishPose& fish) override;

  private:
    // Enters selection mode with a pick matrix of the given size in pixels
    // around the pointer; EndPick leaves it and returns the number of hits.
    void BeginPick(const PickView& view, PointerPos pointer, double sizePx);
    int EndPick();

    double pixelScale_;
    std::array<GLuint, 512> selection_{};
    FishVertexBatch mesh_;
};
