#include "core/tank/BackgroundSurface.h"

#include <cmath>
#include <vector>

#include "core/tank/TankBounds.h"

namespace {
constexpr int kNetSize = 6;
constexpr double kBinomial[kNetSize] = {1.0, 5.0, 10.0, 10.0, 5.0, 1.0};
// Row heights from top to bottom, single-precision values as the net was laid out.
constexpr float kRowY[kNetSize] = {39.0f, 23.6f, 8.2f, -7.2f, -22.6f, -38.0f};
constexpr double kWallZ = -90.0;
// Rows above this one sway.
constexpr int kSwayingRows = 2;
constexpr double kSwayStep = 0.008;
constexpr float kSwayHigh = 1.0f;
constexpr float kSwayLow = -0.5f;
}  // namespace

SurfacePoint Bernstein(double u, const std::array<SurfacePoint, 6>& p) {
    SurfacePoint sum;
    for (int k = 0; k < kNetSize; ++k) {
        const double weight = kBinomial[k] * std::pow(u, kNetSize - 1 - k) * std::pow(1.0 - u, k);
        sum.x += weight * p[k].x;
        sum.y += weight * p[k].y;
        sum.z += weight * p[k].z;
    }
    return sum;
}

// The phase is kept on the grid of whole steps: summing 0.008 in single
// precision drifts past 1.0 one step early, while the sway must run exactly
// from 0 up to 1.008 and down to -0.504.
void BackgroundSurface::AdvanceSway() {
    const double steps = std::round(swayPhase / kSwayStep) + (swayRising ? 1.0 : -1.0);
    swayPhase = static_cast<float>(steps * kSwayStep);
    if (swayPhase > kSwayHigh) swayRising = false;
    if (swayPhase < kSwayLow) swayRising = true;
}

void BackgroundSurface::UpdateControlNet(const TankBounds& tank, int backgroundSetting) {
    if (backgroundSetting == 0 || backgroundSetting == 2) AdvanceSway();
    const float width = 0.2f * (tank.xMax - tank.xMin);
    const float columnX[kNetSize] = {tank.xMin,
                                     width + tank.xMin,
                                     width + width + tank.xMin,
                                     3.0f * width + tank.xMin,
                                     4.0f * width + tank.xMin,
                                     5.0f * width + tank.xMin};
    const float p = swayPhase;
    for (int row = 0; row < kNetSize; ++row) {
        for (int k = 0; k < kNetSize; ++k) {
            SurfacePoint& point = anchors[row][k];
            point.y = kRowY[row];
            if (row < kSwayingRows) {
                point.x = p + columnX[k];
                point.z = k % 2 == 0 ? p + kWallZ : kWallZ - p;
            } else {
                point.x = columnX[k];
                point.z = kWallZ;
            }
        }
    }
    divisions = 2;
}

void BackgroundSurface::DrawSurface(SurfacePainter& painter) const {
    const int n = divisions;
    if (n <= 0) return;
    std::array<SurfacePoint, kNetSize> temp;
    for (int row = 0; row < kNetSize; ++row) temp[row] = anchors[row][kNetSize - 1];
    std::vector<SurfacePoint> last(n + 1);
    for (int v = 0; v <= n; ++v) last[v] = Bernstein(static_cast<double>(v) / n, temp);

    for (int u = 1; u <= n; ++u) {
        const double py = static_cast<double>(u) / n;
        const double pyOld = static_cast<double>(u - 1) / n;
        for (int row = 0; row < kNetSize; ++row) temp[row] = Bernstein(py, anchors[row]);
        painter.BeginStrip();
        for (int v = 0; v <= n; ++v) {
            const double px = static_cast<double>(v) / n;
            painter.Vertex(pyOld, px, last[v]);
            last[v] = Bernstein(px, temp);
            painter.Vertex(py, px, last[v]);
        }
        painter.EndStrip();
    }
}
