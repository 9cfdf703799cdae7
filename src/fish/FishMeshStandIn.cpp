// A stand-in for the animated fish mesh: a flat textured fish of the right size
// and heading, with the heading following its target, so the school can be
// watched before the real mesh is in place.
#include <cmath>

#include <GL/gl.h>

#include "fish/Fish.h"
#include "fish/SkinLayout.h"

void Fish::ComputePartArrays(FishPartArrays& arrays) {
    if (wallState == kWallXMin || wallState == kWallXMax) {
        heading = targetHeading;
    } else if (++turnTick >= 3) {
        turnTick = 0;
        if (heading < targetHeading) {
            heading = std::fmin(heading + 10.0f, targetHeading);
        } else {
            heading = std::fmax(heading - 10.0f, targetHeading);
        }
    }
    arrays.yaw.fill(heading);
}

void Fish::DrawParts(const FishPartArrays& arrays) {
    // Outline of the flank (snout at -x, z up) and of the tail fin, in mesh units.
    constexpr int kStations = 5;
    static const float bodyX[kStations] = {-0.5f, -0.35f, -0.1f, 0.15f, 0.32f};
    static const float backZ[kStations] = {0.0f, 0.12f, 0.157f, 0.1f, 0.04f};
    static const float bellyZ[kStations] = {-0.02f, -0.15f, -0.2f, -0.1f, -0.03f};
    const SkinRegion body = SkinLayout::kBody;
    const SkinRegion tail = SkinLayout::kTail;

    SetRotation(arrays.yaw[0], 0.0f, 0.0f, 1.0f);
    glBegin(GL_QUAD_STRIP);
    for (int j = 0; j < kStations; ++j) {
        const float s = body.s0 + (bodyX[j] + 0.5f) / 0.82f * (body.s1 - body.s0);
        const float tBack = body.t0 + (backZ[j] + 0.2f) / 0.357f * (body.t1 - body.t0);
        const float tBelly = body.t0 + (bellyZ[j] + 0.2f) / 0.357f * (body.t1 - body.t0);
        EmitVertex(bodyX[j] * size, 0.0f, backZ[j] * size, 0.0f, -1.0f, 0.0f, s, tBack);
        EmitVertex(bodyX[j] * size, 0.0f, bellyZ[j] * size, 0.0f, -1.0f, 0.0f, s, tBelly);
    }
    glEnd();

    glBegin(GL_QUADS);
    EmitVertex(0.28f * size, 0.0f, -0.04f * size, 0.0f, -1.0f, 0.0f, tail.s0, tail.t0 + 0.2f);
    EmitVertex(0.5f * size, 0.0f, -0.152f * size, 0.0f, -1.0f, 0.0f, tail.s1, tail.t0);
    EmitVertex(0.5f * size, 0.0f, 0.152f * size, 0.0f, -1.0f, 0.0f, tail.s1, tail.t1);
    EmitVertex(0.28f * size, 0.0f, 0.04f * size, 0.0f, -1.0f, 0.0f, tail.s0, tail.t1 - 0.2f);
    glEnd();
}

void Fish::SetRotation(float angleDegrees, float ax, float ay, float az) {
    rotation = {1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f,
                0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f};
    const float length = std::sqrt(ax * ax + ay * ay + az * az);
    if (length == 0.0f) return;
    const float x = ax / length;
    const float y = ay / length;
    const float z = az / length;
    const float a = angleDegrees * 3.14159265f / 180.0f;
    const float c = std::cos(a);
    const float s = std::sin(a);
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

void Fish::EmitVertex(float x, float y, float z, float nx, float ny, float nz, float s,
                      float t) const {
    glNormal3f(nx, ny, nz);
    glTexCoord2f(s, t);
    glVertex3f(rotation[0] * x + rotation[4] * y + rotation[8] * z,
               rotation[1] * x + rotation[5] * y + rotation[9] * z,
               rotation[2] * x + rotation[6] * y + rotation[10] * z);
}
