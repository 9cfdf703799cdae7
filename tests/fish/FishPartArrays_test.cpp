#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fish/FishAnimation.h"
#include "fish/FishPartEmission.h"
#include "fish/FishVertexBatch.h"
#include "platform/Random.h"

namespace {
// The frames (1-based) on which the jaws are drawn open, over `frames` frames.
std::vector<int> OpenMouthFrames(Fish& fish, int frames) {
    std::vector<int> open;
    FishPartArrays arrays;
    for (int frame = 1; frame <= frames; ++frame) {
        fish.ComputePartArrays(arrays);
        if (arrays.lowerJaw[0] > 0.0f) open.push_back(frame);
    }
    return open;
}
}  // namespace

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

TEST(FishWaves, PhaseAdvancesEveryThirdFrameAndStaysWithinOneTurn) {
    WaveOscillator oscillator = kDorsalWaveOscillator;
    float wave[20] = {};
    StepWave(oscillator, 2.0f, wave, 0, 20);
    StepWave(oscillator, 2.0f, wave, 0, 20);
    EXPECT_EQ(oscillator.phase, 0.0f);
    StepWave(oscillator, 2.0f, wave, 0, 20);
    EXPECT_FLOAT_EQ(oscillator.phase, 0.3926991f);
    EXPECT_FLOAT_EQ(wave[5], std::sin(5 * 0.3926991f + 0.3926991f) * 2.0f * 0.03f);
    for (int frame = 0; frame < 3000; ++frame) {
        StepWave(oscillator, 2.0f, wave, 0, 20);
        ASSERT_LE(oscillator.phase, 6.283185f);
        ASSERT_GE(oscillator.phase, 0.0f);
    }
}

TEST(FishMouth, SwimmingFishOpensItsMouthForOneFramePerCycle) {
    ResetCrtRand();
    Fish fish;
    fish.mouthTimer = 0;
    const std::vector<int> open = OpenMouthFrames(fish, 1000);
    ASSERT_GE(open.size(), 9u);
    // The timer passes 100 on the 102nd frame; the jaws show it on the next.
    EXPECT_EQ(open.front(), 103);
    for (size_t i = 1; i < open.size(); ++i) {
        EXPECT_GE(open[i] - open[i - 1], 53);
        EXPECT_LE(open[i] - open[i - 1], 102);
    }
}

TEST(FishMouth, FeedingFishKeepsItsMouthOpenButOneFramePerCycle) {
    ResetCrtRand();
    Fish fish;
    fish.mouthTimer = 0;
    fish.feeding = true;
    const std::vector<int> open = OpenMouthFrames(fish, 300);
    std::vector<int> shut;
    for (int frame = 1, i = 0; frame <= 300; ++frame) {
        if (i < static_cast<int>(open.size()) && open[i] == frame) {
            ++i;
        } else {
            shut.push_back(frame);
        }
    }
    // Shut on the first frame (the mouth starts closed), then once per cycle.
    ASSERT_GE(shut.size(), 3u);
    EXPECT_EQ(shut[0], 1);
    EXPECT_EQ(shut[1], 103);
    EXPECT_LE(shut.size(), 6u);
}

TEST(FishMouth, OpenJawsPullTheTwoLipStationsApart) {
    Fish fish;
    fish.mouthClosed = false;
    fish.size = 2.0f;
    std::array<float, 8> lower{};
    std::array<float, 11> upper{};
    OpenJaws(fish, lower, upper);
    EXPECT_FLOAT_EQ(lower[0], 0.08f);
    EXPECT_FLOAT_EQ(lower[1], 0.07f);
    EXPECT_FLOAT_EQ(upper[0], 0.11f);
    EXPECT_FLOAT_EQ(upper[1], 0.10f);
    for (int j = 2; j < 8; ++j) EXPECT_EQ(lower[j], 0.0f);
    for (int j = 2; j < 11; ++j) EXPECT_EQ(upper[j], 0.0f);
    EXPECT_TRUE(fish.mouthClosed);
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

    fishVertexBatch.Clear();
    EmitFishParts(small, smallArrays);
    const std::vector<FishVertex> smallVertices = fishVertexBatch.vertices;
    fishVertexBatch.Clear();
    EmitFishParts(large, largeArrays);
    ASSERT_EQ(fishVertexBatch.vertices.size(), smallVertices.size());
    for (size_t i = 0; i < smallVertices.size(); ++i) {
        const FishVertex& a = smallVertices[i];
        const FishVertex& b = fishVertexBatch.vertices[i];
        ASSERT_NEAR(b.x, 2.0f * a.x, 1e-5f) << i;
        ASSERT_NEAR(b.y, 2.0f * a.y, 1e-5f) << i;
        ASSERT_NEAR(b.z, 2.0f * a.z, 1e-5f) << i;
        ASSERT_EQ(b.s, a.s);
        ASSERT_EQ(b.nx, a.nx);
    }
}
