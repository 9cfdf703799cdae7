#include <cmath>

#include "core/Angles.h"
#include "core/fish/Fish.h"
#include "core/fish/FishVertexBatch.h"

// The same matrix glRotatef builds, column-major.
void Fish::SetRotation(float angleDegrees, float ax, float ay, float az) {
    rotation.fill(0.0f);
    rotation[15] = 1.0f;
    const float length = std::sqrt(ax * ax + ay * ay + az * az);
    if (length == 0.0f) {
        rotation[0] = rotation[5] = rotation[10] = 1.0f;
        return;
    }
    const float x = ax / length;
    const float y = ay / length;
    const float z = az / length;
    const float c = std::cos(DegreesToRadians(angleDegrees));
    const float s = std::sin(DegreesToRadians(angleDegrees));
    const float k = 1.0f - c;
    rotation[0] = x * x * k + c;
    rotation[1] = y * x * k + z * s;
    rotation[2] = x * z * k - y * s;
    rotation[4] = x * y * k - z * s;
    rotation[5] = y * y * k + c;
    rotation[6] = y * z * k + x * s;
    rotation[8] = x * z * k + y * s;
    rotation[9] = y * z * k - x * s;
    rotation[10] = z * z * k + c;
}

FishVertex Fish::Turned(float x, float y, float z, float nx, float ny, float nz, float s,
                        float t) const {
    const auto& m = rotation;
    return {s,
            t,
            nx,
            ny,
            nz,
            m[0] * x + m[4] * y + m[8] * z + m[12],
            m[1] * x + m[5] * y + m[9] * z + m[13],
            m[2] * x + m[6] * y + m[10] * z + m[14]};
}
