#include "art/Shapes.h"

#include <algorithm>
#include <cmath>

namespace {
template <typename AnyCanvas>
void FillShapeOn(AnyCanvas& canvas, int x0, int y0, int x1, int y1,
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
}  // namespace

void FillShape(Canvas& canvas, int x0, int y0, int x1, int y1,
               const std::function<float(float x, float y)>& distance,
               const std::function<Rgb(float x, float y)>& colour, float opacity) {
    FillShapeOn(canvas, x0, y0, x1, y1, distance, colour, opacity);
}

void FillShape(RgbaCanvas& canvas, int x0, int y0, int x1, int y1,
               const std::function<float(float x, float y)>& distance,
               const std::function<Rgb(float x, float y)>& colour, float opacity) {
    FillShapeOn(canvas, x0, y0, x1, y1, distance, colour, opacity);
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

float BoxDistance(float x, float y, float cx, float cy, float hx, float hy, float radius) {
    const float qx = std::fabs(x - cx) - (hx - radius);
    const float qy = std::fabs(y - cy) - (hy - radius);
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float PolygonDistance(float x, float y, const std::vector<Point>& corners) {
    // Nearest edge for the size, crossings of a ray to the right for the sign.
    float nearest = 1e30f;
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point& a = corners[i];
        const Point& b = corners[j];
        nearest = std::min(nearest, CapsuleDistance(x, y, a.x, a.y, b.x, b.y, 0.0f));
        if ((a.y > y) != (b.y > y) && x < a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y)) {
            inside = !inside;
        }
    }
    return inside ? -nearest : nearest;
}

float SmoothStep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}
