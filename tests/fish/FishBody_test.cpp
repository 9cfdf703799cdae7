#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "core/fish/Fish.h"
#include "core/fish/FishAnimation.h"
#include "core/fish/FishMeshData.h"
#include "core/fish/FishPartEmission.h"
#include "core/fish/FishVertexBatch.h"
#include "core/fish/SkinLayout.h"
#include "platform/posix/Random.h"

namespace {
struct Vec3 {
    float x, y, z;
};

Vec3 Sub(const FishMeshPoint& a, const FishMeshPoint& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
float Dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
float Length(const Vec3& v) {
    return std::sqrt(Dot(v, v));
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
                EXPECT_NEAR(Length(NormalOf(p)), 1.0f, 1e-4f) << at;
                if (part.lateralLine >= 0) {
                    FishMeshPoint axis = lines[part.lateralLine][j];
                    axis.y = 0.0f;
                    const Vec3 out = Sub(p, axis);
                    EXPECT_GT(Dot(NormalOf(p), out), 0.25f * Length(out)) << at;
                }
                if (k + 1 == lines.size() || j + 1 == lines[k].size()) continue;
                const FishMeshPoint corners[4] = {p, lines[k + 1][j], lines[k + 1][j + 1],
                                                  lines[k][j + 1]};
                // Twice the vector area (Newell's method), good for slivers and twisted quads.
                Vec3 face{0.0f, 0.0f, 0.0f};
                for (int c = 0; c < 4; ++c) {
                    const FishMeshPoint& a = corners[c];
                    const FishMeshPoint& b = corners[(c + 1) % 4];
                    face.x += (a.y - b.y) * (a.z + b.z);
                    face.y += (a.z - b.z) * (a.x + b.x);
                    face.z += (a.x - b.x) * (a.y + b.y);
                }
                const float area = Length(face);
                if (area < 1e-7f || (part.sheet && std::fabs(face.y) < 0.1f * area)) continue;
                // A fin's quads face -y.
                const float sign = part.sheet && face.y > 0.0f ? -1.0f : 1.0f;
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

FishVertexBatch Emitted(MeshDetail detail, const FishPartArrays& arrays) {
    Fish fish;
    FishVertexBatch mesh;
    EmitFishParts(fish, arrays, mesh, detail);
    return mesh;
}

bool SameVertex(const FishVertex& a, const FishVertex& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z && a.s == b.s && a.t == b.t && a.nx == b.nx;
}

// The lighter meshes draw a subset of the full mesh's vertices and keep every
// strip's end stations, so parts still meet; the eyes keep all of theirs.
TEST(FishPartEmission, LighterMeshesKeepEveryStripsEndsFromTheFullMesh) {
    const std::tuple<MeshDetail, std::size_t, std::size_t, std::size_t> cases[] = {
        {MeshDetail::kFull, 838, 390, 29},
        {MeshDetail::kLight, 492, 217, 29},
        {MeshDetail::kLightest, 264, 110, 22}};
    FishPartArrays arrays;
    arrays.bodyWave.fill(0.02f);
    arrays.yaw.fill(30.0f);
    const FishVertexBatch fullMesh = Emitted(MeshDetail::kFull, arrays);
    const std::vector<FishVertex>& full = fullMesh.vertices;
    std::vector<FishVertex> fullEnds;
    for (const FishStrip& strip : fullMesh.strips) {
        for (int i : {0, 1, strip.count - 2, strip.count - 1})
            fullEnds.push_back(full[strip.first + i]);
    }
    const auto within = [](const FishVertex& v, const std::vector<FishVertex>& set) {
        return std::any_of(set.begin(), set.end(),
                           [&v](const FishVertex& w) { return SameVertex(v, w); });
    };
    for (const auto& [detail, vertices, quads, strips] : cases) {
        SCOPED_TRACE(vertices);
        const FishVertexBatch mesh = Emitted(detail, arrays);
        const std::vector<FishVertex>& emitted = mesh.vertices;
        EXPECT_EQ(emitted.size(), vertices);
        EXPECT_EQ(mesh.strips.size(), strips);
        for (const FishVertex& v : emitted) ASSERT_TRUE(within(v, full));
        int next = 0;
        for (const FishStrip& strip : mesh.strips) {
            EXPECT_EQ(strip.first, next);
            next += strip.count;
            for (int i : {0, 1, strip.count - 2, strip.count - 1})
                EXPECT_TRUE(within(emitted[strip.first + i], fullEnds))
                    << "strip at " << strip.first;
        }
        // Vertex pairs less one per strip make the quads, each strip's first
        // being its vertices 0, 1, 3, 2.
        ASSERT_EQ(mesh.quadIndices.size(), 4u * quads);
        EXPECT_EQ(std::vector<int>(mesh.quadIndices.begin(), mesh.quadIndices.begin() + 4),
                  (std::vector<int>{0, 1, 3, 2}));
    }
}

TEST(FishPartEmission, PositionsAreScaledSwayedYawedAndMirroredButNormalsAreNot) {
    Fish fish;
    fish.size = 2.0f;
    FishPartArrays arrays;
    arrays.yaw.fill(90.0f);
    arrays.bodyWave.fill(0.02f);
    arrays.pelvicWave.fill(0.01f);
    FishVertexBatch mesh;
    EmitFishParts(fish, arrays, mesh);
    const auto& v = mesh.vertices;
    // The first body vertex: station 0 on the dorsal ridge, swayed in y, then
    // turned a quarter about z: (x, y) -> (-y, x).
    const FishMeshPoint& p = kFishBody[0][0];
    EXPECT_NEAR(v[0].x, -(2.0f * p.y + 0.02f), 1e-5f);
    EXPECT_NEAR(v[0].y, 2.0f * p.x, 1e-5f);
    EXPECT_NEAR(v[0].z, 2.0f * p.z, 1e-5f);
    EXPECT_EQ(v[0].nx, p.nx);
    EXPECT_EQ(v[0].ny, p.ny);
    EXPECT_EQ(v[0].s, p.s);
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

TEST(FishWaves, PelvicAndTailRootStationsNeverFlap) {
    Fish fish;
    FishPartArrays arrays;
    bool pelvicFlaps = false;
    bool tailFlaps = false;
    for (int frame = 0; frame < 300; ++frame) {
        fish.ComputePartArrays(arrays);
        ASSERT_EQ(arrays.pelvicWave[0], 0.0f);
        ASSERT_EQ(arrays.pelvicWave[1], 0.0f);
        ASSERT_EQ(arrays.tailWave[0], 0.0f);
        ASSERT_EQ(arrays.tailWave[1], 0.0f);
        pelvicFlaps = pelvicFlaps || arrays.pelvicWave[2] != 0.0f;
        tailFlaps = tailFlaps || arrays.tailWave[2] != 0.0f;
    }
    EXPECT_TRUE(pelvicFlaps);
    EXPECT_TRUE(tailFlaps);
}

// A swimming fish opens its mouth for one frame per cycle, a feeding one shuts
// it for one frame per cycle; the timer passes 100 on the 102nd frame and the
// jaws show it on the next.
TEST(FishMouth, OpensOrShutsForOneFramePerCycle) {
    for (bool feeding : {false, true}) {
        ResetCrtRand();
        Fish fish;
        fish.mouthTimer = 0;
        fish.feeding = feeding;
        FishPartArrays arrays;
        std::vector<int> toggled;  // the frames (1-based) that differ from the usual
        for (int frame = 1; frame <= 1000; ++frame) {
            fish.ComputePartArrays(arrays);
            if ((arrays.lowerJaw[0] > 0.0f) != feeding) toggled.push_back(frame);
        }
        ASSERT_GE(toggled.size(), 9u) << feeding;
        EXPECT_EQ(toggled[feeding ? 1 : 0], 103) << feeding;
        if (feeding) {
            EXPECT_EQ(toggled[0], 1) << "the mouth starts closed";
        }
        for (size_t i = feeding ? 2 : 1; i < toggled.size(); ++i) {
            EXPECT_GE(toggled[i] - toggled[i - 1], 53) << feeding;
            EXPECT_LE(toggled[i] - toggled[i - 1], 102) << feeding;
        }
    }
    ResetCrtRand();
}

TEST(FishSize, ZoomStaysBetweenOneAndFour) {
    Fish fish;
    fish.size = 2.0f;
    const struct {
        bool grow;
        float size;
    } steps[] = {{false, 1.0f}, {false, 1.0f}, {true, 3.0f}, {true, 4.0f}, {true, 4.0f}};
    for (const auto& s : steps) {
        fish.ChangeSize(2.0f, s.grow);
        EXPECT_EQ(fish.size, s.size);
    }
}

TEST(FishSize, SizeFourDoublesEveryOffsetAndAmplitudeOfSizeTwo) {
    Fish small;
    small.targetHeading = 70.0f;
    small.feeding = true;
    Fish large = small;
    large.size = 4.0f;
    FishPartArrays smallArrays;
    FishPartArrays largeArrays;
    for (int frame = 0; frame < 17; ++frame) {
        small.ComputePartArrays(smallArrays);
        large.ComputePartArrays(largeArrays);
    }
    ASSERT_FALSE(small.turnDone);
    ASSERT_GT(smallArrays.upperJaw[0], 0.0f);
    const auto expectDoubled = [](const auto& a, const auto& b) {
        for (size_t i = 0; i < a.size(); ++i) EXPECT_FLOAT_EQ(b[i], 2.0f * a[i]) << i;
    };
    expectDoubled(smallArrays.bodyWave, largeArrays.bodyWave);
    expectDoubled(smallArrays.dorsalWave, largeArrays.dorsalWave);
    expectDoubled(smallArrays.pectoralWave, largeArrays.pectoralWave);
    expectDoubled(smallArrays.pelvicWave, largeArrays.pelvicWave);
    expectDoubled(smallArrays.analWave, largeArrays.analWave);
    expectDoubled(smallArrays.tailWave, largeArrays.tailWave);
    expectDoubled(smallArrays.lowerJaw, largeArrays.lowerJaw);
    expectDoubled(smallArrays.upperJaw, largeArrays.upperJaw);
    EXPECT_EQ(smallArrays.yaw, largeArrays.yaw);

    FishVertexBatch smallMesh;
    EmitFishParts(small, smallArrays, smallMesh);
    const std::vector<FishVertex>& smallVertices = smallMesh.vertices;
    FishVertexBatch largeMesh;
    EmitFishParts(large, largeArrays, largeMesh);
    ASSERT_EQ(largeMesh.vertices.size(), smallVertices.size());
    for (size_t i = 0; i < smallVertices.size(); ++i) {
        const FishVertex& a = smallVertices[i];
        const FishVertex& b = largeMesh.vertices[i];
        ASSERT_NEAR(b.x, 2.0f * a.x, 1e-5f) << i;
        ASSERT_NEAR(b.y, 2.0f * a.y, 1e-5f) << i;
        ASSERT_NEAR(b.z, 2.0f * a.z, 1e-5f) << i;
        ASSERT_EQ(b.s, a.s);
        ASSERT_EQ(b.nx, a.nx);
    }
}
