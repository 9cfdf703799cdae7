#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fish/Fish.h"
#include "fish/FishMeshData.h"
#include "fish/FishPartEmission.h"
#include "fish/FishVertexBatch.h"
#include "fish/SkinLayout.h"

namespace {
template <int K, int M>
std::vector<FishMeshPoint> PointsOf(const FishMeshPoint (&part)[K][M]) {
    std::vector<FishMeshPoint> points;
    for (const auto& line : part) points.insert(points.end(), line, line + M);
    return points;
}

// Every point of a part samples one skin region, shifted by one whole turn of
// the repeating skin shared by the whole part. Normals are unit length.
template <int K, int M>
void ExpectSkinAndNormals(const FishMeshPoint (&part)[K][M], const SkinRegion& region, float sTurn,
                          float tTurn) {
    for (const FishMeshPoint& p : PointsOf(part)) {
        EXPECT_GT(p.s - sTurn, region.s0);
        EXPECT_LT(p.s - sTurn, region.s1);
        EXPECT_GT(p.t - tTurn, region.t0);
        EXPECT_LT(p.t - tTurn, region.t1);
        EXPECT_NEAR(std::sqrt(p.nx * p.nx + p.ny * p.ny + p.nz * p.nz), 1.0f, 1e-4f);
    }
}
}  // namespace

TEST(FishMesh, EachPartSamplesItsRegionOfTheSkinWithUnitNormals) {
    using namespace SkinLayout;
    ExpectSkinAndNormals(kFishBody, kBody, 0.0f, 1.0f);
    ExpectSkinAndNormals(kFishUpperJaw, kJaw, 1.0f, 0.0f);
    ExpectSkinAndNormals(kFishLowerJaw, kJaw, 1.0f, 0.0f);
    ExpectSkinAndNormals(kFishDorsal, kFin, 1.0f, 0.0f);
    ExpectSkinAndNormals(kFishPectoral, kFin, 1.0f, 0.0f);
    ExpectSkinAndNormals(kFishPelvic, kFin, 2.0f, 0.0f);
    ExpectSkinAndNormals(kFishAnal, kFin, 0.0f, 1.0f);
    ExpectSkinAndNormals(kFishTail, kTail, 1.0f, 0.0f);
    ExpectSkinAndNormals(kFishEye, kEye, 0.0f, 0.0f);
    // Side view of the flank: the dorsal ridge at the region's top, the belly at its foot.
    EXPECT_GT(kFishBody[0][9].t, 1.99f);
    EXPECT_LT(kFishBody[6][9].t, 1.01f);
    // The one-sided parts face the modelled -y side.
    for (const auto& part : {PointsOf(kFishBody), PointsOf(kFishUpperJaw), PointsOf(kFishLowerJaw),
                             PointsOf(kFishPectoral), PointsOf(kFishPelvic), PointsOf(kFishEye)}) {
        for (const FishMeshPoint& p : part) EXPECT_LE(p.ny, 1e-6f);
    }
}

TEST(FishPartEmission, EveryFishIsDrawnFrom838VerticesIn29QuadStrips) {
    Fish fish;
    fishVertexBatch.Clear();
    EmitFishParts(fish, FishPartArrays{});
    EXPECT_EQ(fishVertexBatch.vertices.size(), 838u);
    ASSERT_EQ(fishVertexBatch.strips.size(), 29u);
    int next = 0;
    for (const FishStrip& strip : fishVertexBatch.strips) {
        EXPECT_EQ(strip.first, next);
        next += strip.count;
    }
    // 419 vertex pairs less one per strip make 390 quads, each strip's first
    // being its vertices 0, 1, 3, 2.
    ASSERT_EQ(fishVertexBatch.quadIndices.size(), 4u * 390u);
    EXPECT_EQ(std::vector<int>(fishVertexBatch.quadIndices.begin(),
                               fishVertexBatch.quadIndices.begin() + 4),
              (std::vector<int>{0, 1, 3, 2}));
    EXPECT_EQ(fishVertexBatch.quadIndices[4 * 18], fishVertexBatch.strips[1].first);
}

TEST(FishPartEmission, PositionsAreScaledSwayedYawedAndMirroredButNormalsAreNot) {
    Fish fish;
    fish.size = 2.0f;
    FishPartArrays arrays;
    arrays.yaw.fill(90.0f);
    arrays.bodyWave.fill(0.02f);
    arrays.pelvicWave.fill(0.01f);
    fishVertexBatch.Clear();
    EmitFishParts(fish, arrays);
    const auto& v = fishVertexBatch.vertices;
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
