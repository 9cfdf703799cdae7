#include "core/scene/WallCoverage.h"

#include <algorithm>
#include <vector>

#include "core/scene/WallProjection.h"

namespace {
struct ScreenPoint {
    double x;
    double y;
};

double Cross(ScreenPoint o, ScreenPoint a, ScreenPoint b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Liang-Barsky: whether any part of segment ab lies in the box |x| <= hx, |y| <= hy.
bool SegmentTouchesBox(ScreenPoint a, ScreenPoint b, double hx, double hy) {
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x + hx, hx - a.x, a.y + hy, hy - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
    }
    return true;
}

bool Encloses(const std::vector<ScreenPoint>& polygon, ScreenPoint point) {
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const ScreenPoint a = polygon[i];
        const ScreenPoint b = polygon[j];
        if ((a.y > point.y) != (b.y > point.y) &&
            point.x < (b.x - a.x) * (point.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}
}  // namespace

bool WallCoversView(const BackgroundSurface& wall, int screenWidthPx, int screenHeightPx,
                    double eyeZ) {
    const auto projected = ProjectWallGrid(wall, screenWidthPx, screenHeightPx, eyeZ);
    if (!projected) return false;
    const std::size_t columns = (*projected)[0].size();
    std::vector<std::vector<ScreenPoint>> grid;
    for (const std::vector<ProjectedWallPoint>& row : *projected) {
        grid.emplace_back();
        for (const ProjectedWallPoint& point : row) grid.back().push_back({point.ndcX, point.ndcY});
    }

    // A fold on screen could leave a hole inside the outline: every triangle
    // must turn the same way.
    bool turnsLeft = false;
    bool turnsRight = false;
    for (std::size_t u = 0; u + 1 < grid.size(); ++u) {
        for (std::size_t v = 0; v + 1 < columns; ++v) {
            const double first = Cross(grid[u][v], grid[u + 1][v], grid[u][v + 1]);
            const double second = Cross(grid[u + 1][v + 1], grid[u][v + 1], grid[u + 1][v]);
            for (double turn : {first, second}) {
                turnsLeft = turnsLeft || turn >= 0.0;
                turnsRight = turnsRight || turn <= 0.0;
            }
        }
    }
    if (turnsLeft == turnsRight) return false;

    std::vector<ScreenPoint> outline;
    const std::size_t last = grid.size() - 1;
    for (std::size_t v = 0; v < columns; ++v) outline.push_back(grid[0][v]);
    for (std::size_t u = 1; u <= last; ++u) outline.push_back(grid[u][columns - 1]);
    for (std::size_t v = columns - 1; v-- > 0;) outline.push_back(grid[last][v]);
    for (std::size_t u = last; u-- > 1;) outline.push_back(grid[u][0]);

    // The view box, one pixel larger all round, must hold no part of the
    // outline and its centre must lie inside it.
    const double halfX = 1.0 + 2.0 / std::max(screenWidthPx, 1);
    const double halfY = 1.0 + 2.0 / std::max(screenHeightPx, 1);
    for (std::size_t i = 0; i < outline.size(); ++i) {
        if (SegmentTouchesBox(outline[i], outline[(i + 1) % outline.size()], halfX, halfY)) {
            return false;
        }
    }
    return Encloses(outline, {0.0, 0.0});
}

bool LightSaturatesWhite(float lightLevel) {
    // The sum must stay clear of 1.0 by more than the lighting's rounding.
    constexpr float kDefaultAmbient = 0.2f;
    return kDefaultAmbient + lightLevel >= 1.01f;
}
