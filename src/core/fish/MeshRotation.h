#pragma once

#include <array>

#include "core/fish/FishVertexBatch.h"

// The rotation a fish's mesh is emitted under, station by station: the same
// matrix glRotatef builds, column-major.
class MeshRotation {
  public:
    // Identity until set.
    MeshRotation();
    // `angleDegrees` about (ax, ay, az); a zero axis gives the identity.
    void Set(float angleDegrees, float ax, float ay, float az);
    // The vertex turned by the rotation; normals stay as modelled.
    FishVertex Turned(float x, float y, float z, float nx, float ny, float nz, float s,
                      float t) const;
    const std::array<float, 16>& Matrix() const { return matrix_; }

  private:
    std::array<float, 16> matrix_{};
};
