#pragma once

#include <functional>
#include <vector>

#include "art/Canvas.h"

// Anti-aliased filling of shapes given by a signed distance in pixels
// (negative inside). Only pixels inside the box [x0, x1) x [y0, y1) are
// visited; `colour` picks the paint at a pixel centre.
void FillShape(Canvas& canvas, int x0, int y0, int x1, int y1,
               const std::function<float(float x, float y)>& distance,
               const std::function<Rgb(float x, float y)>& colour, float opacity = 1.0f);

void FillShape(RgbaCanvas& canvas, int x0, int y0, int x1, int y1,
               const std::function<float(float x, float y)>& distance,
               const std::function<Rgb(float x, float y)>& colour, float opacity = 1.0f);

// Signed distance from (x, y) to an ellipse-like shape (exact for circles).
float EllipseDistance(float x, float y, float cx, float cy, float rx, float ry);

// Signed distance to a segment of width 2 * radius with round ends.
float CapsuleDistance(float x, float y, float ax, float ay, float bx, float by, float radius);

// Signed distance to the box centred on (cx, cy) with half sizes hx, hy and
// corners rounded with `radius` (which lies within the half sizes).
float BoxDistance(float x, float y, float cx, float cy, float hx, float hy, float radius = 0.0f);

// A point of a polygon's outline.
struct Point {
    float x = 0.0f, y = 0.0f;
};

// Signed distance to a simple polygon (corners in order, either direction).
float PolygonDistance(float x, float y, const std::vector<Point>& corners);

// Smooth ramp from 0 at edge0 to 1 at edge1.
float SmoothStep(float edge0, float edge1, float x);
