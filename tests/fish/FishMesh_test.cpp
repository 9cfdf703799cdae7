#include <gtest/gtest.h>

#include <algorithm>
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

float MaxOf(const std::vector<FishMeshPoint>& points, float FishMeshPoint::*field) {
    float best = points[0].*field;
    for (const FishMeshPoint& p : points) best = std::max(best, p.*field);
    return best;
}

float MinOf(const std::vector<FishMeshPoint>& points, float FishMeshPoint::*field) {
    float best = points[0].*field;
    for (const FishMeshPoint& p : points) best = std::min(best, p.*field);
    return best;
}

void ExpectSamePosition(const FishMeshPoint& a, const FishMeshPoint& b) {
    EXPECT_FLOAT_EQ(a.x, b.x);
    EXPECT_FLOAT_EQ(a.y, b.y);
    EXPECT_FLOAT_EQ(a.z, b.z);
}

// Every point of a part samples one skin region, shifted by one whole turn of
// the repeating skin shared by the whole part.
template <int K, int M>
void ExpectInRegion(const FishMeshPoint (&part)[K][M], const SkinRegion& region, float sTurn,
                    float tTurn) {
    for (const FishMeshPoint& p : PointsOf(part)) {
        EXPECT_GT(p.s - sTurn, region.s0);
        EXPECT_LT(p.s - sTurn, region.s1);
        EXPECT_GT(p.t - tTurn, region.t0);
        EXPECT_LT(p.t - tTurn, region.t1);
    }
}

FishPartArrays StraightArrays() {
    return FishPartArrays{};
}
}  // namespace

TEST(FishMesh, BodyRunsFromHeadToTailEndBetweenItsRidges) {
    const auto body = PointsOf(kFishBody);
    EXPECT_NEAR(kFishBody[0][0].x, -0.384f, 1e-4f);
    EXPECT_NEAR(kFishBody[0][18].x, 0.311f, 1e-4f);
    for (int j = 1; j < 19; ++j)
        EXPECT_NEAR(kFishBody[3][j].x - kFishBody[3][j - 1].x, 0.0386f, 1e-3f);
    for (int j = 0; j < 19; ++j) {
        EXPECT_EQ(kFishBody[0][j].y, 0.0f);
        EXPECT_EQ(kFishBody[6][j].y, 0.0f);
        for (int k = 0; k < 6; ++k) EXPECT_GT(kFishBody[k][j].z, kFishBody[k + 1][j].z);
    }
    EXPECT_NEAR(MaxOf(body, &FishMeshPoint::z), 0.157f, 1e-3f);
    EXPECT_NEAR(MinOf(body, &FishMeshPoint::z), -0.200f, 1e-3f);
    EXPECT_NEAR(MinOf(body, &FishMeshPoint::y), -0.078f, 1e-3f);
    EXPECT_LE(MaxOf(body, &FishMeshPoint::y), 0.0f);
    EXPECT_NEAR(kFishBody[0][0].z, 0.047f, 1e-3f);
    EXPECT_NEAR(kFishBody[0][18].z, 0.042f, 1e-3f);
}

TEST(FishMesh, JawsCloseTheSnoutOntoTheBody) {
    for (int k = 0; k < 4; ++k) {
        ExpectSamePosition(kFishUpperJaw[k][10], kFishBody[k][0]);
        ExpectSamePosition(kFishLowerJaw[k][7], kFishBody[k + 3][0]);
        EXPECT_NEAR(kFishUpperJaw[k][0].x, -0.5f, 1e-4f);
        EXPECT_NEAR(kFishLowerJaw[k][0].x, -0.5f, 1e-4f);
    }
    // Closed lips meet.
    ExpectSamePosition(kFishUpperJaw[3][0], kFishLowerJaw[0][0]);
}

TEST(FishMesh, FinsStandWhereTheBodyCarriesThem) {
    const auto dorsal = PointsOf(kFishDorsal);
    EXPECT_NEAR(kFishDorsal[0][0].x, -0.140f, 1e-4f);
    EXPECT_NEAR(kFishDorsal[0][19].x, 0.185f, 1e-4f);
    EXPECT_NEAR(MaxOf(dorsal, &FishMeshPoint::z), 0.286f, 2e-3f);
    // Neighbouring free-edge points fan out from one root point.
    for (int j = 0; j < 20; j += 2) ExpectSamePosition(kFishDorsal[0][j], kFishDorsal[0][j + 1]);
    for (int j = 0; j < 18; j += 3) ExpectSamePosition(kFishAnal[0][j], kFishAnal[0][j + 2]);

    const auto anal = PointsOf(kFishAnal);
    EXPECT_NEAR(MinOf(anal, &FishMeshPoint::z), -0.286f, 2e-3f);
    EXPECT_NEAR(kFishAnal[0][0].x, -0.061f, 1e-4f);
    EXPECT_NEAR(kFishAnal[0][17].x, 0.134f, 1e-4f);

    const auto pelvic = PointsOf(kFishPelvic);
    EXPECT_NEAR(MinOf(pelvic, &FishMeshPoint::z), -0.28f, 2e-3f);
    EXPECT_GT(MinOf(pelvic, &FishMeshPoint::x), -0.20f);
    EXPECT_LT(MaxOf(pelvic, &FishMeshPoint::x), -0.07f);
    EXPECT_NEAR(kFishPectoral[0][0].x, -0.335f, 0.01f);
}

TEST(FishMesh, TailIsForkedBehindThePeduncle) {
    const auto tail = PointsOf(kFishTail);
    EXPECT_NEAR(MaxOf(tail, &FishMeshPoint::x), 0.499f, 1e-4f);
    EXPECT_NEAR(MaxOf(tail, &FishMeshPoint::z), 0.152f, 1e-4f);
    EXPECT_NEAR(MinOf(tail, &FishMeshPoint::z), -0.152f, 1e-4f);
    for (const FishMeshPoint& root : kFishTail[1]) {
        EXPECT_GE(root.x, 0.27f);
        EXPECT_LE(root.x, 0.30f);
    }
    // The free edge at mid-height is the fork's notch, well short of the tips.
    const FishMeshPoint& notch = kFishTail[0][14];
    EXPECT_NEAR(notch.z, 0.0f, 1e-3f);
    EXPECT_LT(notch.x, 0.45f);
}

TEST(FishMesh, EyeIsACentreInsideTwoClosedRings) {
    for (const FishMeshPoint& centre : kFishEye[0]) {
        EXPECT_FLOAT_EQ(centre.x, -0.430f);
        EXPECT_FLOAT_EQ(centre.y, -0.054f);
        EXPECT_FLOAT_EQ(centre.z, -0.048f);
    }
    for (int ring = 1; ring <= 2; ++ring) {
        ExpectSamePosition(kFishEye[ring][0], kFishEye[ring][9]);
        for (const FishMeshPoint& p : kFishEye[ring]) EXPECT_GE(p.y, -0.054f);
    }
}

TEST(FishMesh, TextureCoordinatesSampleEachPartsRegionOfTheSkin) {
    using namespace SkinLayout;
    ExpectInRegion(kFishBody, kBody, 0.0f, 1.0f);
    ExpectInRegion(kFishUpperJaw, kJaw, 1.0f, 0.0f);
    ExpectInRegion(kFishLowerJaw, kJaw, 1.0f, 0.0f);
    ExpectInRegion(kFishDorsal, kFin, 1.0f, 0.0f);
    ExpectInRegion(kFishPectoral, kFin, 1.0f, 0.0f);
    ExpectInRegion(kFishPelvic, kFin, 2.0f, 0.0f);
    ExpectInRegion(kFishAnal, kFin, 0.0f, 1.0f);
    ExpectInRegion(kFishTail, kTail, 1.0f, 0.0f);
    ExpectInRegion(kFishEye, kEye, 0.0f, 0.0f);
    // Side view of the flank: the dorsal ridge at the region's top, the belly at its foot.
    EXPECT_GT(kFishBody[0][9].t, 1.99f);
    EXPECT_LT(kFishBody[6][9].t, 1.01f);
}

TEST(FishMesh, NormalsAreUnitLengthAndFaceTheModelledSide) {
    const auto check = [](const std::vector<FishMeshPoint>& points) {
        for (const FishMeshPoint& p : points) {
            EXPECT_NEAR(std::sqrt(p.nx * p.nx + p.ny * p.ny + p.nz * p.nz), 1.0f, 1e-4f);
            EXPECT_LE(p.ny, 1e-6f);
        }
    };
    check(PointsOf(kFishBody));
    check(PointsOf(kFishUpperJaw));
    check(PointsOf(kFishLowerJaw));
    check(PointsOf(kFishPectoral));
    check(PointsOf(kFishPelvic));
    check(PointsOf(kFishEye));
}

TEST(FishPartEmission, EveryFishIsDrawnFrom838VerticesIn29QuadStrips) {
    Fish fish;
    fishVertexBatch.Clear();
    EmitFishParts(fish, StraightArrays());
    EXPECT_EQ(fishVertexBatch.vertices.size(), 838u);
    std::vector<int> counts;
    int next = 0;
    for (const FishStrip& strip : fishVertexBatch.strips) {
        EXPECT_EQ(strip.first, next);
        next += strip.count;
        counts.push_back(strip.count);
    }
    // body 6, upper jaw 3 + 3, lower jaw 3 + 3, dorsal, pectorals, pelvics, anal,
    // tail, eyes 2 + 2.
    const std::vector<int> expected{38, 38, 38, 38, 38, 38, 22, 22, 22, 22, 22, 22, 16, 16, 16,
                                    16, 16, 16, 40, 38, 38, 46, 46, 36, 58, 20, 20, 20, 20};
    EXPECT_EQ(counts, expected);
    // 419 vertex pairs less one per strip make 390 quads, each strip's first
    // being its vertices 0, 1, 3, 2.
    ASSERT_EQ(fishVertexBatch.quadIndices.size(), 4u * 390u);
    const int second = fishVertexBatch.strips[1].first;
    EXPECT_EQ(std::vector<int>(fishVertexBatch.quadIndices.begin(),
                               fishVertexBatch.quadIndices.begin() + 4),
              (std::vector<int>{0, 1, 3, 2}));
    EXPECT_EQ(fishVertexBatch.quadIndices[4 * 18], second);
}

TEST(FishPartEmission, PositionsAreScaledDisplacedAndYawedButNormalsAreNot) {
    Fish fish;
    fish.size = 2.0f;
    FishPartArrays arrays;
    arrays.yaw.fill(90.0f);
    arrays.bodyWave.fill(0.03f);
    fishVertexBatch.Clear();
    EmitFishParts(fish, arrays);
    // The first body vertex: station 0 on the dorsal ridge, swayed in y, then
    // turned a quarter about z: (x, y) -> (-y, x).
    const FishMeshPoint& p = kFishBody[0][0];
    const FishVertex& v = fishVertexBatch.vertices[0];
    EXPECT_NEAR(v.x, -(2.0f * p.y + 0.03f), 1e-5f);
    EXPECT_NEAR(v.y, 2.0f * p.x, 1e-5f);
    EXPECT_NEAR(v.z, 2.0f * p.z, 1e-5f);
    EXPECT_EQ(v.nx, p.nx);
    EXPECT_EQ(v.ny, p.ny);
    EXPECT_EQ(v.s, p.s);
}

TEST(FishPartEmission, PairedPartsAreMirroredAboutTheSwayedCentrePlane) {
    Fish fish;
    FishPartArrays arrays;
    arrays.bodyWave.fill(0.02f);
    arrays.pelvicWave.fill(0.01f);
    fishVertexBatch.Clear();
    EmitFishParts(fish, arrays);
    const auto& v = fishVertexBatch.vertices;
    // Upper jaw: strips 6-8 then their mirror, 66 vertices each.
    const int upperJaw = 6 * 38;
    for (int i = 0; i < 66; ++i) {
        EXPECT_NEAR(v[upperJaw + i].y + v[upperJaw + 66 + i].y, 2 * 0.02f, 1e-5f) << i;
        EXPECT_FLOAT_EQ(v[upperJaw + i].z, v[upperJaw + 66 + i].z);
    }
    // Pelvic fins reflect about the body's own centre plane.
    const int pelvic = 6 * 38 + 6 * 22 + 6 * 16 + 40 + 2 * 38;
    for (int i = 2 * 3; i < 46; ++i) EXPECT_NEAR(v[pelvic + i].y, -v[pelvic + 46 + i].y, 1e-6f);
}

TEST(FishRotation, SetRotationBuildsAnAxisAngleRotation) {
    Fish fish;
    fish.SetRotation(90.0f, 0.0f, 0.0f, 2.0f);
    EXPECT_NEAR(fish.rotation[0], 0.0f, 1e-6f);
    EXPECT_NEAR(fish.rotation[1], 1.0f, 1e-6f);
    EXPECT_NEAR(fish.rotation[4], -1.0f, 1e-6f);
    EXPECT_NEAR(fish.rotation[10], 1.0f, 1e-6f);
    EXPECT_EQ(fish.rotation[12], 0.0f);
    EXPECT_EQ(fish.rotation[15], 1.0f);
    fish.SetRotation(33.0f, 0.0f, 0.0f, 0.0f);
    const std::array<float, 16> identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(fish.rotation, identity);
}
