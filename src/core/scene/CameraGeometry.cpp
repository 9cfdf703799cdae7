#include "core/scene/CameraGeometry.h"

#include <algorithm>

Frustum FrameFrustum(int screenWidthPx, int screenHeightPx) {
    const double w = std::max(screenWidthPx, 1);
    const double h = std::max(screenHeightPx, 1);
    if (w > h) return {-0.4 * w / h, 0.4 * w / h, -0.4, 0.4, 1.0, 1000.0};
    return {-0.4, 0.4, -0.4 * h / w, 0.4 * h / w, 1.0, 1000.0};
}

double EyeZ(float cameraOffset) {
    return 0.0 + cameraOffset - 5.0;
}

MeshDetail FishMeshDetail(float size, float z, int screenWidthPx, int screenHeightPx, double eyeZ) {
    // Snout to the tail fin's tip, at size 1.
    constexpr double kMeshLength = 1.0;
    constexpr double kLightMeshBelowPx = 100.0;
    constexpr double kLightestMeshBelowPx = 50.0;
    const Frustum frustum = FrameFrustum(screenWidthPx, screenHeightPx);
    const double depth = eyeZ - z;
    if (depth <= frustum.zNear) return MeshDetail::kFull;
    const double pixelsPerUnit =
        std::max(screenHeightPx, 1) * frustum.zNear / ((frustum.top - frustum.bottom) * depth);
    const double lengthPx = size * kMeshLength * pixelsPerUnit;
    if (lengthPx < kLightestMeshBelowPx) return MeshDetail::kLightest;
    return lengthPx < kLightMeshBelowPx ? MeshDetail::kLight : MeshDetail::kFull;
}
