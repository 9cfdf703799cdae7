#pragma once

#include <optional>
#include <vector>

#include "core/tank/BackgroundSurface.h"

// One point of the wall's grid: where it stands, its texture coordinates and
// where the frame's camera shows it, in normalised device coordinates.
struct ProjectedWallPoint {
    SurfacePoint point;
    double s = 0.0;
    double t = 0.0;
    double ndcX = 0.0;
    double ndcY = 0.0;
};

// The wall's strips as the grid of points they walk (strip u zigzags between
// rows u and u + 1), seen by the frame's camera (eye at (0, 0, eyeZ) looking
// down -z) on a screen of the given size. Nothing when the grid is ragged or a
// point lies outside the camera's depth range.
std::optional<std::vector<std::vector<ProjectedWallPoint>>> ProjectWallGrid(
    const BackgroundSurface& wall, int screenWidthPx, int screenHeightPx, double eyeZ);
