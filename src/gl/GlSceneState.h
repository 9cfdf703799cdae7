#pragma once

#include <array>

// The fixed GL state of the scene, set once after the context is made current.

// Texturing, smooth shading, clear values, depth test, colour material,
// blending, and light 1 at full white (the frame rescales it every frame).
void SetUpSceneGlState();

// Exponential white fog. The bubble pass turns it off in the first frame and
// nothing turns it on again.
void SetUpSceneFog();

// Writes `light`'s red, green and blue into light 1's ambient and diffuse
// colours and enables lighting.
void ApplyLight(const std::array<float, 3>& light);
