#pragma once

#include <array>

#include "gl/DrawShortcuts.h"

class AquariumScene;

// Which layers a frame of the scene draws, and how, under the shortcuts.
struct FrameLayers {
    // Light 1's red, green and blue: the settings' level in the scene's daylight.
    std::array<float, 3> light{1.0f, 1.0f, 1.0f};
    bool backdrop = true;
    bool wall = false;
    // Drawn before everything else, without the depth test and the lighting.
    bool wallFirst = false;
    // Sampled at its full-size level alone.
    bool wallMagnified = false;
};

// Lit, the wall would come out white times its picture: the picture alone.
// Where it covers the view and the light leaves it so, it may go first; the
// backdrop it hides is not drawn at all. `wallPictureSize` is the picture the
// wall wears, in texels.
FrameLayers ChooseFrameLayers(const AquariumScene& scene, const DrawShortcuts& shortcuts,
                              std::array<int, 2> wallPictureSize);
