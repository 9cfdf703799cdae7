#include "core/tank/TankBounds.h"

#include <cmath>

namespace {
struct ListedScreen {
    int width;
    int height;
    float halfWidth;
};

constexpr ListedScreen kListedScreens[] = {
    {800, 600, 29.0f},  {1024, 768, 29.0f}, {1280, 960, 29.0f},  {1280, 1024, 29.0f},
    {1440, 900, 35.0f}, {1600, 900, 38.0f}, {1680, 1050, 34.0f},
};

const ListedScreen& NearestListedScreen(int widthPx, int heightPx) {
    const double aspect = heightPx > 0 ? static_cast<double>(widthPx) / heightPx : 1.0;
    const double pixels = static_cast<double>(widthPx) * heightPx;
    const ListedScreen* best = &kListedScreens[0];
    double bestAspectGap = INFINITY;
    double bestPixelGap = INFINITY;
    for (const ListedScreen& screen : kListedScreens) {
        if (screen.width == widthPx && screen.height == heightPx) return screen;
        const double aspectGap =
            std::fabs(static_cast<double>(screen.width) / screen.height - aspect);
        const double pixelGap =
            std::fabs(static_cast<double>(screen.width) * screen.height - pixels);
        // Aspect ratios of listed sizes differ by far more than rounding noise.
        const bool sameAspect = std::fabs(aspectGap - bestAspectGap) < 1e-9;
        if ((!sameAspect && aspectGap < bestAspectGap) || (sameAspect && pixelGap < bestPixelGap)) {
            best = &screen;
            bestAspectGap = aspectGap;
            bestPixelGap = pixelGap;
        }
    }
    return *best;
}
}  // namespace

TankBounds TankBoundsForScreen(int widthPx, int heightPx) {
    const ListedScreen& row = NearestListedScreen(widthPx, heightPx);
    TankBounds bounds;
    bounds.xMin = -row.halfWidth - 20.0f;
    bounds.xMax = row.halfWidth + 20.0f;
    bounds.yMin = -21.0f - 4.0f;
    bounds.yMax = 21.0f + 4.0f;
    bounds.zBack = -50.0f;
    bounds.zFront = 0.0f;
    return bounds;
}
