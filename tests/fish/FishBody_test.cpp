#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "core/fish/Fish.h"
#include "core/fish/FishMeshData.h"
#include "core/fish/FishPartEmission.h"
#include "core/fish/FishVertexBatch.h"
#include "core/fish/SkinLayout.h"

namespace {
using Vec3 = std::array<float, 3>;

float Dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
Vec3 NormalOf(const FishMeshPoint& p) {
    return {p.nx, p.ny, p.nz};
}

template <int K, int M>
std::vector<std::vector<FishMeshPoint>> LinesOf(const FishMeshPoint (&part)[K][M]) {
    std::vector<std::vector<FishMeshPoint>> lines;
    for (const auto& line : part) lines.emplace_back(line, line + M);
    return lines;
}

struct MeshPart {
    const char* name;
    std::vector<std::vector<FishMeshPoint>> lines;
    // Closed parts of the shell: the line at the widest point, which lies on
    // the axis's height at every station. -1 for the fins and the eye.
    int lateralLine;
    // A thin fin: a two-sided sheet whose normal is the one facing -y.
    bool sheet;
    // The skin region the part samples, shifted by one whole turn of the
    // repeating skin shared by the whole part.
    SkinRegion region;
    float sTurn, tTurn;
};

std::vector<MeshPart> MeshParts() {
    using namespace SkinLayout;
    return {{"body", LinesOf(kFishBody), 3, false, kBody, 0.0f, 1.0f},
            {"upper jaw", LinesOf(kFishUpperJaw), 3, false, kJaw, 1.0f, 0.0f},
            {"lower jaw", LinesOf(kFishLowerJaw), 0, false, kJaw, 1.0f, 0.0f},
            {"dorsal", LinesOf(kFishDorsal), -1, true, kFin, 1.0f, 0.0f},
            {"pectoral", LinesOf(kFishPectoral), -1, true, kFin, 1.0f, 0.0f},
            {"pelvic", LinesOf(kFishPelvic), -1, true, kFin, 2.0f, 0.0f},
            {"anal", LinesOf(kFishAnal), -1, true, kFin, 0.0f, 1.0f},
            {"tail", LinesOf(kFishTail), -1, true, kTail, 1.0f, 0.0f},
            {"eye", LinesOf(kFishEye), -1, false, kEye, 0.0f, 0.0f}};
}
}  // namespace

// Each part samples its region of the skin, with unit normals on its lit side:
// a normal pointing into the body leaves that side unlit by the diffuse light.
// The shell's normals point away from the body's axis, the ridges and lips
// included. Each normal lies on the lit side of the quads around it, as they
// are drawn (line k then line k + 1 at each station): the shell and the eye are
// wound outwards, so the normal follows the winding; a fin's normal lies on
// the -y side of every quad, whichever way the strip turns where it folds over
// at the fin's ends. Quads that are points or lines, or fin quads seen edge-on
// from the side, have no side to check.
TEST(FishMesh, PartsSampleTheirSkinRegionWithUnitNormalsOnTheLitSide) {
    for (const MeshPart& part : MeshParts()) {
        const auto& lines = part.lines;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            for (std::size_t j = 0; j < lines[k].size(); ++j) {
                const FishMeshPoint& p = lines[k][j];
                const std::string at =
                    std::string(part.name) + " " + std::to_string(k) + "," + std::to_string(j);
                EXPECT_TRUE(p.s - part.sTurn > part.region.s0 &&
                            p.s - part.sTurn < part.region.s1 &&
                            p.t - part.tTurn > part.region.t0 && p.t - part.tTurn < part.region.t1)
                    << at;
                EXPECT_NEAR(Dot(NormalOf(p), NormalOf(p)), 1.0f, 2e-4f) << at;
                if (part.lateralLine >= 0) {
                    const FishMeshPoint& axis = lines[part.lateralLine][j];
                    const Vec3 out{p.x - axis.x, p.y, p.z - axis.z};
                    EXPECT_GT(Dot(NormalOf(p), out), 0.25f * std::sqrt(Dot(out, out))) << at;
                }
                if (k + 1 == lines.size() || j + 1 == lines[k].size()) continue;
                const FishMeshPoint corners[4] = {p, lines[k + 1][j], lines[k + 1][j + 1],
                                                  lines[k][j + 1]};
                // Twice the vector area (Newell's method), good for slivers and twisted quads.
                Vec3 face{};
                for (int c = 0; c < 4; ++c) {
                    const FishMeshPoint& a = corners[c];
                    const FishMeshPoint& b = corners[(c + 1) % 4];
                    face[0] += (a.y - b.y) * (a.z + b.z);
                    face[1] += (a.z - b.z) * (a.x + b.x);
                    face[2] += (a.x - b.x) * (a.y + b.y);
                }
                const float area = std::sqrt(Dot(face, face));
                if (area < 1e-7f || (part.sheet && std::fabs(face[1]) < 0.1f * area)) continue;
                // A fin's quads face -y.
                const float sign = part.sheet && face[1] > 0.0f ? -1.0f : 1.0f;
                for (const FishMeshPoint& corner : corners) {
                    EXPECT_GT(sign * Dot(NormalOf(corner), face) / area, part.sheet ? 0.0f : 0.5f)
                        << at;
                }
            }
        }
    }
    for (const auto& line : kFishEye) {
        for (const FishMeshPoint& p : line) EXPECT_LT(p.ny, -0.5f) << "the eye faces out";
    }
    // Side view of the flank: the dorsal ridge at the region's top, the belly at its foot.
    EXPECT_GT(kFishBody[0][9].t, 1.99f);
    EXPECT_LT(kFishBody[6][9].t, 1.01f);
}

TEST(FishPartEmission, PositionsAreScaledSwayedYawedAndMirroredButNormalsAreNot) {
    FishPose pose;
    pose.size = 2.0f;
    pose.arrays.yaw.fill(90.0f);
    pose.arrays.bodyWave.fill(0.02f);
    pose.arrays.pelvicWave.fill(0.01f);
    FishVertexBatch mesh;
    EmitFishParts(pose, mesh);
    const auto& v = mesh.vertices;
    // The first body vertex: station 0 on the dorsal ridge, swayed in y, then
    // turned a quarter about z: (x, y) -> (-y, x).
    const FishMeshPoint& p = kFishBody[0][0];
    EXPECT_NEAR(v[0].x, -(2.0f * p.y + 0.02f), 1e-5f);
    EXPECT_NEAR(v[0].y, 2.0f * p.x, 1e-5f);
    EXPECT_NEAR(v[0].z, 2.0f * p.z, 1e-5f);
    EXPECT_EQ(std::tie(v[0].nx, v[0].ny, v[0].s), std::tie(p.nx, p.ny, p.s));
    // Upper jaw: strips 6-8 then their mirror, 66 vertices each, mirrored about
    // the swayed centre plane (now across x).
    const int upperJaw = 6 * 38;
    for (int i = 0; i < 66; ++i) {
        EXPECT_NEAR(v[upperJaw + i].x + v[upperJaw + 66 + i].x, -2 * 0.02f, 1e-5f) << i;
        EXPECT_FLOAT_EQ(v[upperJaw + i].z, v[upperJaw + 66 + i].z);
    }
    // Pelvic fins reflect about the body's own centre plane.
    const int pelvic = 6 * 38 + 6 * 22 + 6 * 16 + 40 + 2 * 38;
    for (int i = 2 * 3; i < 46; ++i) EXPECT_NEAR(v[pelvic + i].x, -v[pelvic + 46 + i].x, 1e-6f);
}
