#include <gtest/gtest.h>

#include <vector>

#include "core/fish/FishAnimation.h"
#include "core/fish/FishPartEmission.h"
#include "core/fish/FishVertexBatch.h"
#include "platform/posix/Random.h"

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
