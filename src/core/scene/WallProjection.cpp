#include "core/scene/WallProjection.h"

#include "core/scene/CameraGeometry.h"

namespace {
class GridCollector : public SurfacePainter {
  public:
    void BeginStrip() override {
        rows.resize(strip_ + 2);
        index_ = 0;
    }
    void Vertex(double s, double t, const SurfacePoint& point) override {
        const bool lowerRow = index_++ % 2 == 1;
        if (lowerRow) {
            rows[strip_ + 1].push_back({point, s, t});
        } else if (strip_ == 0) {
            rows[0].push_back({point, s, t});
        }
    }
    void EndStrip() override { ++strip_; }

    std::vector<std::vector<ProjectedWallPoint>> rows;

  private:
    std::size_t strip_ = 0;
    int index_ = 0;
};
}  // namespace

std::optional<std::vector<std::vector<ProjectedWallPoint>>> ProjectWallGrid(
    const BackgroundSurface& wall, int screenWidthPx, int screenHeightPx, double eyeZ) {
    GridCollector collector;
    wall.DrawSurface(collector);
    std::vector<std::vector<ProjectedWallPoint>>& rows = collector.rows;
    if (rows.size() < 2 || rows[0].size() < 2) return std::nullopt;

    const Frustum frustum = FrameFrustum(screenWidthPx, screenHeightPx);
    for (std::vector<ProjectedWallPoint>& row : rows) {
        if (row.size() != rows[0].size()) return std::nullopt;
        for (ProjectedWallPoint& grid : row) {
            const double depth = eyeZ - grid.point.z;
            if (depth <= frustum.zNear || depth >= frustum.zFar) return std::nullopt;
            const double nearX = grid.point.x * frustum.zNear / depth;
            const double nearY = grid.point.y * frustum.zNear / depth;
            grid.ndcX =
                (2.0 * nearX - frustum.right - frustum.left) / (frustum.right - frustum.left);
            grid.ndcY =
                (2.0 * nearY - frustum.top - frustum.bottom) / (frustum.top - frustum.bottom);
        }
    }
    return rows;
}
