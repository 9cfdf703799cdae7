#include "fish/FishPartEmission.h"

#include "fish/FishMeshData.h"
#include "fish/FishVertexBatch.h"

namespace {
struct Placed {
    float y;
    float z;
};

constexpr int kFreeEdge = 1;
constexpr int kTailFreeEdge = 0;

// Emits the quad strips of a part: for each pair of neighbouring lines, station
// by station, the vertex on line k then the one on line k + 1. `aim(j)` sets the
// rotation for station j (parts with a single yaw set it once beforehand and
// aim at nothing); `place(line, j, y, z)` displaces a point already scaled by
// the fish's size.
template <int K, int M, typename Aim, typename Place>
void EmitStrips(Fish& fish, const FishMeshPoint (&part)[K][M], Aim aim, Place place) {
    const float size = fish.size;
    for (int k = 0; k + 1 < K; ++k) {
        fishVertexBatch.BeginStrip();
        for (int j = 0; j < M; ++j) {
            aim(j);
            for (int line = k; line <= k + 1; ++line) {
                const FishMeshPoint& p = part[line][j];
                const Placed at = place(line, j, p.y * size, p.z * size);
                fish.EmitVertex(p.x * size, at.y, at.z, p.nx, p.ny, p.nz, p.s, p.t);
            }
        }
        fishVertexBatch.EndStrip();
    }
}

void AimNowhere(int) {}

void Yaw(Fish& fish, float degrees) {
    fish.SetRotation(degrees, 0.0f, 0.0f, 1.0f);
}

void EmitBody(Fish& fish, const FishPartArrays& a) {
    EmitStrips(
        fish, kFishBody, [&](int j) { Yaw(fish, a.yaw[j]); },
        [&](int, int j, float y, float z) {
            return Placed{y + a.bodyWave[j], z};
        });
}

// The jaws and eyes sway with the head; their mirrored copies reflect about the
// swayed centre plane.
void EmitUpperJaw(Fish& fish, const FishPartArrays& a) {
    Yaw(fish, a.yaw[0]);
    const float sway = a.bodyWave[0];
    EmitStrips(fish, kFishUpperJaw, AimNowhere, [&](int, int j, float y, float z) {
        return Placed{y + sway, z + a.upperJaw[j]};
    });
    EmitStrips(fish, kFishUpperJaw, AimNowhere, [&](int, int j, float y, float z) {
        return Placed{sway - y, z + a.upperJaw[j]};
    });
}

void EmitLowerJaw(Fish& fish, const FishPartArrays& a) {
    Yaw(fish, a.yaw[0]);
    const float sway = a.bodyWave[0];
    EmitStrips(fish, kFishLowerJaw, AimNowhere, [&](int, int j, float y, float z) {
        return Placed{y + sway, z - a.lowerJaw[j]};
    });
    EmitStrips(fish, kFishLowerJaw, AimNowhere, [&](int, int j, float y, float z) {
        return Placed{sway - y, z - a.lowerJaw[j]};
    });
}

// Stations that share a root point share the yaw of the body station under it.
void EmitDorsal(Fish& fish, const FishPartArrays& a) {
    EmitStrips(
        fish, kFishDorsal, [&](int j) { Yaw(fish, a.yaw[6 + j / 2]); },
        [&](int line, int j, float y, float z) {
            return Placed{line == kFreeEdge ? y + a.dorsalWave[j] : y, z};
        });
}

void EmitPectoral(Fish& fish, const FishPartArrays& a) {
    Yaw(fish, a.yaw[0]);
    const float sway = a.bodyWave[0];
    const auto flap = [&](int line, int j) { return line == kFreeEdge ? a.pectoralWave[j] : 0.0f; };
    EmitStrips(fish, kFishPectoral, AimNowhere, [&](int line, int j, float y, float z) {
        return Placed{y + sway + flap(line, j), z};
    });
    EmitStrips(fish, kFishPectoral, AimNowhere, [&](int line, int j, float y, float z) {
        return Placed{sway - (y + flap(line, j)), z};
    });
}

void EmitPelvic(Fish& fish, const FishPartArrays& a) {
    Yaw(fish, a.yaw[5]);
    EmitStrips(fish, kFishPelvic, AimNowhere, [&](int, int j, float y, float z) {
        return Placed{y + a.pelvicWave[j], z};
    });
    EmitStrips(fish, kFishPelvic, AimNowhere, [&](int, int j, float y, float z) {
        return Placed{-(y + a.pelvicWave[j]), z};
    });
}

void EmitAnal(Fish& fish, const FishPartArrays& a) {
    EmitStrips(
        fish, kFishAnal, [&](int j) { Yaw(fish, a.yaw[7 + j / 3]); },
        [&](int line, int j, float y, float z) {
            return Placed{line == kFreeEdge ? y + a.analWave[j] : y, z};
        });
}

void EmitTail(Fish& fish, const FishPartArrays& a) {
    Yaw(fish, a.yaw[17]);
    const float sway = a.bodyWave[15];
    EmitStrips(fish, kFishTail, AimNowhere, [&](int line, int j, float y, float z) {
        return Placed{y + sway + (line == kTailFreeEdge ? a.tailWave[j] : 0.0f), z};
    });
}

void EmitEyes(Fish& fish, const FishPartArrays& a) {
    Yaw(fish, a.yaw[0]);
    const float sway = a.bodyWave[0];
    EmitStrips(fish, kFishEye, AimNowhere, [&](int, int, float y, float z) {
        return Placed{y + sway, z};
    });
    EmitStrips(fish, kFishEye, AimNowhere, [&](int, int, float y, float z) {
        return Placed{sway - y, z};
    });
}
}  // namespace

void EmitFishParts(Fish& fish, const FishPartArrays& arrays) {
    EmitBody(fish, arrays);
    EmitUpperJaw(fish, arrays);
    EmitLowerJaw(fish, arrays);
    EmitDorsal(fish, arrays);
    EmitPectoral(fish, arrays);
    EmitPelvic(fish, arrays);
    EmitAnal(fish, arrays);
    EmitTail(fish, arrays);
    EmitEyes(fish, arrays);
}
