#include "core/fish/MeshRotation.h"

#include <cmath>

#include "core/Angles.h"

MeshRotation::MeshRotation() {
    Set(0.0f, 0.0f, 0.0f, 0.0f);
}

void MeshRotation::Set(float angleDegrees, float ax, float ay, float az) {
    auto& m = matrix_;
    m.fill(0.0f);
    m[15] = 1.0f;
    const float length = std::sqrt(ax * ax + ay * ay + az * az);
    if (length == 0.0f) {
        m[0] = m[5] = m[10] = 1.0f;
        return;
    }
    const float x = ax / length;
    const float y = ay / length;
    const float z = az / length;
    const float c = std::cos(DegreesToRadians(angleDegrees));
    const float s = std::sin(DegreesToRadians(angleDegrees));
    const float k = 1.0f - c;
    m[0] = x * x * k + c;
    m[1] = y * x * k + z * s;
    m[2] = x * z * k - y * s;
    m[4] = x * y * k - z * s;
    m[5] = y * y * k + c;
    m[6] = y * z * k + x * s;
    m[8] = x * z * k + y * s;
    m[9] = y * z * k - x * s;
    m[10] = z * z * k + c;
}

FishVertex MeshRotation::Turned(float x, float y, float z, float nx, float ny, float nz, float s,
                                float t) const {
    const auto& m = matrix_;
    return {s,
            t,
            nx,
            ny,
            nz,
            m[0] * x + m[4] * y + m[8] * z + m[12],
            m[1] * x + m[5] * y + m[9] * z + m[13],
            m[2] * x + m[6] * y + m[10] * z + m[14]};
}
