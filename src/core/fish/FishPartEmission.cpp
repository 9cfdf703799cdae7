#include "core/fish/FishPartEmission.h"

#include <algorithm>

#include "core/fish/FishMeshData.h"
#include "core/fish/FishVertexBatch.h"
#include "core/fish/MeshRotation.h"

namespace {
// What the parts are emitted with: the fish's size, the batch they go to and
// the rotation of the station being emitted.
struct Emission {
    float size;
    FishVertexBatch& mesh;
    MeshRotation rotation;
};

struct Placed {
    float y;
    float z;
};

// Which stations and lines of each part a mesh keeps: every `stations`-th
// and every `lines`-th, and always the last of each.
struct MeshStep {
    int stations;
    int lines;
};

constexpr MeshStep StepOf(MeshDetail detail) {
    switch (detail) {
        case MeshDetail::kLight:
            return {2, 1};
        case MeshDetail::kLightest:
            return {4, 2};
        case MeshDetail::kFull:
            break;
    }
    return {1, 1};
}

constexpr int kFreeEdge = 1;
constexpr int kTailFreeEdge = 0;

// The station after j, `step` on but never past the last one; m after that.
constexpr int NextStation(int j, int step, int m) {
    return j == m - 1 ? m : std::min(j + step, m - 1);
}

// Emits the quad strips of a part: for each pair of neighbouring lines, station
// by station, the vertex on line k then the one on line k + 1. `aim(j)` sets the
// rotation for station j (parts with a single yaw set it once beforehand and
// aim at nothing); `place(line, j, y, z)` displaces a point already scaled by
// the fish's size. Stations go by `stationStep`, the last one always included,
// so that parts still meet where their end stations coincide.
template <int K, int M, typename Aim, typename Place>
void EmitStrips(Emission& fish, MeshStep step, const FishMeshPoint (&part)[K][M], Aim aim,
                Place place) {
    const float size = fish.size;
    FishVertexBatch& mesh = fish.mesh;
    for (int k = 0; k + 1 < K; k = std::min(k + step.lines, K - 1)) {
        const int next = std::min(k + step.lines, K - 1);
        mesh.BeginStrip();
        for (int j = 0; j < M; j = NextStation(j, step.stations, M)) {
            aim(j);
            for (int line : {k, next}) {
                const FishMeshPoint& p = part[line][j];
                const Placed at = place(line, j, p.y * size, p.z * size);
                mesh.Add(fish.rotation.Turned(p.x * size, at.y, at.z, p.nx, p.ny, p.nz, p.s, p.t));
            }
        }
        mesh.EndStrip();
    }
}

void AimNowhere(int) {}

void Yaw(Emission& fish, float degrees) {
    fish.rotation.Set(degrees, 0.0f, 0.0f, 1.0f);
}

void EmitBody(Emission& fish, const FishPartArrays& a, MeshStep step) {
    EmitStrips(
        fish, step, kFishBody, [&](int j) { Yaw(fish, a.yaw[j]); },
        [&](int, int j, float y, float z) {
            return Placed{y + a.bodyWave[j], z};
        });
}

// The jaws and eyes sway with the head; their mirrored copies reflect about the
// swayed centre plane.
void EmitUpperJaw(Emission& fish, const FishPartArrays& a, MeshStep step) {
    Yaw(fish, a.yaw[0]);
    const float sway = a.bodyWave[0];
    EmitStrips(fish, step, kFishUpperJaw, AimNowhere, [&](int, int j, float y, float z) {
        return Placed{y + sway, z + a.upperJaw[j]};
    });
    EmitStrips(fish, step, kFishUpperJaw, AimNowhere, [&](int, int j, float y, float z) {
        return Placed{sway - y, z + a.upperJaw[j]};
    });
}

void EmitLowerJaw(Emission& fish, const FishPartArrays& a, MeshStep step) {
    Yaw(fish, a.yaw[0]);
    const float sway = a.bodyWave[0];
    EmitStrips(fish, step, kFishLowerJaw, AimNowhere, [&](int, int j, float y, float z) {
        return Placed{y + sway, z - a.lowerJaw[j]};
    });
    EmitStrips(fish, step, kFishLowerJaw, AimNowhere, [&](int, int j, float y, float z) {
        return Placed{sway - y, z - a.lowerJaw[j]};
    });
}

// Stations that share a root point share the yaw of the body station under it.
void EmitDorsal(Emission& fish, const FishPartArrays& a, MeshStep step) {
    EmitStrips(
        fish, step, kFishDorsal, [&](int j) { Yaw(fish, a.yaw[6 + j / 2]); },
        [&](int line, int j, float y, float z) {
            return Placed{line == kFreeEdge ? y + a.dorsalWave[j] : y, z};
        });
}

void EmitPectoral(Emission& fish, const FishPartArrays& a, MeshStep step) {
    Yaw(fish, a.yaw[0]);
    const float sway = a.bodyWave[0];
    const auto flap = [&](int line, int j) { return line == kFreeEdge ? a.pectoralWave[j] : 0.0f; };
    EmitStrips(fish, step, kFishPectoral, AimNowhere, [&](int line, int j, float y, float z) {
        return Placed{y + sway + flap(line, j), z};
    });
    EmitStrips(fish, step, kFishPectoral, AimNowhere, [&](int line, int j, float y, float z) {
        return Placed{sway - (y + flap(line, j)), z};
    });
}

void EmitPelvic(Emission& fish, const FishPartArrays& a, MeshStep step) {
    Yaw(fish, a.yaw[5]);
    EmitStrips(fish, step, kFishPelvic, AimNowhere, [&](int, int j, float y, float z) {
        return Placed{y + a.pelvicWave[j], z};
    });
    EmitStrips(fish, step, kFishPelvic, AimNowhere, [&](int, int j, float y, float z) {
        return Placed{-(y + a.pelvicWave[j]), z};
    });
}

void EmitAnal(Emission& fish, const FishPartArrays& a, MeshStep step) {
    EmitStrips(
        fish, step, kFishAnal, [&](int j) { Yaw(fish, a.yaw[7 + j / 3]); },
        [&](int line, int j, float y, float z) {
            return Placed{line == kFreeEdge ? y + a.analWave[j] : y, z};
        });
}

void EmitTail(Emission& fish, const FishPartArrays& a, MeshStep step) {
    Yaw(fish, a.yaw[17]);
    const float sway = a.bodyWave[15];
    EmitStrips(fish, step, kFishTail, AimNowhere, [&](int line, int j, float y, float z) {
        return Placed{y + sway + (line == kTailFreeEdge ? a.tailWave[j] : 0.0f), z};
    });
}

void EmitEyes(Emission& fish, const FishPartArrays& a, MeshStep step) {
    Yaw(fish, a.yaw[0]);
    const float sway = a.bodyWave[0];
    EmitStrips(fish, step, kFishEye, AimNowhere, [&](int, int, float y, float z) {
        return Placed{y + sway, z};
    });
    EmitStrips(fish, step, kFishEye, AimNowhere, [&](int, int, float y, float z) {
        return Placed{sway - y, z};
    });
}
}  // namespace

void EmitFishParts(const FishPose& pose, FishVertexBatch& mesh, MeshDetail detail) {
    const MeshStep step = StepOf(detail);
    const FishPartArrays& arrays = pose.arrays;
    mesh.Clear();
    Emission fish{pose.size, mesh, {}};
    EmitBody(fish, arrays, step);
    EmitUpperJaw(fish, arrays, step);
    EmitLowerJaw(fish, arrays, step);
    EmitDorsal(fish, arrays, step);
    EmitPectoral(fish, arrays, step);
    EmitPelvic(fish, arrays, step);
    EmitAnal(fish, arrays, step);
    EmitTail(fish, arrays, step);
    // An eye is a few pixels across even on the smallest fish, and a polygon
    // of fewer corners shows.
    EmitEyes(fish, arrays, StepOf(MeshDetail::kFull));
}
