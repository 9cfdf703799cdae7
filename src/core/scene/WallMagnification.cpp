#include "core/scene/WallMagnification.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/scene/CameraGeometry.h"
#include "core/scene/WallProjection.h"

namespace {
struct Vec3 {
    double x, y, z;
};

Vec3 Minus(const SurfacePoint& a, const SurfacePoint& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

double Dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The derivatives, at `at`, of the pixel a point of the triangle lands on with
// respect to its two barycentric weights, and of its texel likewise; their
// ratio gives texels per pixel along each screen axis.
double TexelsPerPixelAt(const SurfacePoint& at, const std::array<ProjectedWallPoint, 3>& corners,
                        const Frustum& frustum, double eyeZ, int screenWidthPx, int screenHeightPx,
                        int textureWidth, int textureHeight) {
    const double depth = eyeZ - at.z;
    const double scaleX = screenWidthPx * frustum.zNear / ((frustum.right - frustum.left) * depth);
    const double scaleY = screenHeightPx * frustum.zNear / ((frustum.top - frustum.bottom) * depth);
    const Vec3 pixelXGradient{scaleX, 0.0, scaleX * at.x / depth};
    const Vec3 pixelYGradient{0.0, scaleY, scaleY * at.y / depth};

    double screen[2][2];
    double texels[2][2];
    for (int k = 0; k < 2; ++k) {
        const Vec3 edge = Minus(corners[k + 1].point, corners[0].point);
        screen[0][k] = Dot(pixelXGradient, edge);
        screen[1][k] = Dot(pixelYGradient, edge);
        texels[0][k] = (corners[k + 1].s - corners[0].s) * textureWidth;
        texels[1][k] = (corners[k + 1].t - corners[0].t) * textureHeight;
    }
    const double determinant = screen[0][0] * screen[1][1] - screen[0][1] * screen[1][0];
    if (std::abs(determinant) < 1e-12) return std::numeric_limits<double>::infinity();
    const double inverse[2][2] = {{screen[1][1] / determinant, -screen[0][1] / determinant},
                                  {-screen[1][0] / determinant, screen[0][0] / determinant}};
    double rho = 0.0;
    for (int axis = 0; axis < 2; ++axis) {
        const double ds = texels[0][0] * inverse[0][axis] + texels[0][1] * inverse[1][axis];
        const double dt = texels[1][0] * inverse[0][axis] + texels[1][1] * inverse[1][axis];
        rho = std::max(rho, std::hypot(ds, dt));
    }
    return rho;
}
}  // namespace

double WallTexelsPerPixel(const BackgroundSurface& wall, int screenWidthPx, int screenHeightPx,
                          double eyeZ, int textureWidth, int textureHeight) {
    const auto grid = ProjectWallGrid(wall, screenWidthPx, screenHeightPx, eyeZ);
    if (!grid) return std::numeric_limits<double>::infinity();
    const Frustum frustum = FrameFrustum(screenWidthPx, screenHeightPx);
    double most = 0.0;
    for (std::size_t u = 0; u + 1 < grid->size(); ++u) {
        const std::vector<ProjectedWallPoint>& upper = (*grid)[u];
        const std::vector<ProjectedWallPoint>& lower = (*grid)[u + 1];
        for (std::size_t v = 0; v + 1 < upper.size(); ++v) {
            const std::array<ProjectedWallPoint, 3> triangles[2] = {
                {upper[v], lower[v], upper[v + 1]}, {lower[v + 1], upper[v + 1], lower[v]}};
            for (const auto& corners : triangles) {
                SurfacePoint centre;
                centre.x = (corners[0].point.x + corners[1].point.x + corners[2].point.x) / 3.0;
                centre.y = (corners[0].point.y + corners[1].point.y + corners[2].point.y) / 3.0;
                centre.z = (corners[0].point.z + corners[1].point.z + corners[2].point.z) / 3.0;
                for (const SurfacePoint& at :
                     {corners[0].point, corners[1].point, corners[2].point, centre}) {
                    most = std::max(most,
                                    TexelsPerPixelAt(at, corners, frustum, eyeZ, screenWidthPx,
                                                     screenHeightPx, textureWidth, textureHeight));
                }
            }
        }
    }
    return most;
}
