#pragma once

#include "core/fish/Fish.h"

// The fixed camera's geometry, before anything touches GL.

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
