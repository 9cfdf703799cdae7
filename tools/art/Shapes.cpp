#include "art/Shapes.h"

#include <algorithm>
#include <cmath>

void FillShape(Canvas& canvas, int x0, int y0, int x1, int y1,
               const std::function<float(float x, float y)>& distance,
               const std::function<Rgb(float x, float y)>& colour, float opacity) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, canvas.Width());
    y1 = std::min(y1, canvas.Height());
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const float px = x + 0.5f;
            const float py = y + 0.5f;
            const float coverage = std::clamp(0.5f - distance(px, py), 0.0f, 1.0f);
            if (coverage > 0.0f) canvas.Blend(x, y, colour(px, py), coverage * opacity);
        }
    }
}

float EllipseDistance(float x, float y, float cx, float cy, float rx, float ry) {
    const float nx = (x - cx) / rx;
    const float ny = (y - cy) / ry;
    const float k = std::sqrt(nx * nx + ny * ny);
    return (k - 1.0f) * std::min(rx, ry);
}

float CapsuleDistance(float x, float y, float ax, float ay, float bx, float by, float radius) {
    const float dx = bx - ax;
    const float dy = by - ay;
    const float lengthSquared = dx * dx + dy * dy;
    float t = lengthSquared > 0.0f ? ((x - ax) * dx + (y - ay) * dy) / lengthSquared : 0.0f;
    t = std::clamp(t, 0.0f, 1.0f);
    const float ex = x - (ax + dx * t);
    const float ey = y - (ay + dy * t);
    return std::sqrt(ex * ex + ey * ey) - radius;
}

float SmoothStep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}
