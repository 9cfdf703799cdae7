#pragma once

#include <cstdint>

#include "core/fish/Fish.h"
#include "core/tank/SchoolLayout.h"

// Per-frame values the frame pipeline derives before it touches GL.

// Frames drawn so far, capped at 200: the school fills in one fish per frame.
constexpr int kRevealLimit = kSchoolSlots;
int NextRevealCount(int revealCount);

// How many school slots are walked this frame: slots below the total that the
// reveal has reached (slot i shows once revealCount reaches i), never past the
// 200 records however the counts add up.
int WalkedFishCount(int schoolTotal, int revealCount);

struct Frustum {
    double left;
    double right;
    double bottom;
    double top;
    double zNear;
    double zFar;
};

// The projection frustum, shaped by the screen (not the window): the shorter
// side spans +-0.4 at the near plane.
Frustum FrameFrustum(int screenWidthPx, int screenHeightPx);

// The fixed camera's eye lies on the z axis here, looking down -z with y up.
double EyeZ(float cameraOffset);

// The mesh a fish of `size` at depth `z` gets: the light one while it is
// shorter on screen than a hundred pixels.
MeshDetail FishMeshDetail(float size, float z, int screenWidthPx, int screenHeightPx, double eyeZ);

// Light 1's ambient and diffuse level for a light reduction of 0..100.
float LightLevel(int lightReduction);

struct Rgb8 {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// A Windows colour value: red in the low byte, then green, then blue.
Rgb8 ColorRefToRgb(int colorRef);
