#pragma once

#include "core/scene/AquariumScene.h"
#include "gl/SceneRenderer.h"

// Frames as the runner makes them: the scene steps, picking through the
// renderer, and the renderer draws what it showed.
inline void DrawFrames(AquariumScene& scene, SceneRenderer& renderer, int frames) {
    for (int i = 0; i < frames; ++i) {
        scene.Advance(renderer.Picker());
        renderer.Draw(scene);
    }
}
