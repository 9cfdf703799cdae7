#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "platform/Random.h"
#include "render/TankBounds.h"
#include "tank/BubbleColumns.h"
#include "tank/BubbleEmitter.h"

namespace {
class CountingBubblePainter : public BubblePainter {
  public:
    void BindTexture() override { ++binds; }
    void SetColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
        colours.push_back({red, green, blue});
    }
    void Square(float, float y, float, float s) override {
        ++squares;
        heights.push_back(y);
        sizes.push_back(s);
    }
    int binds = 0;
    int squares = 0;
    std::vector<float> heights;
    std::vector<float> sizes;
    std::vector<std::array<std::uint8_t, 3>> colours;
};

void MakeUncolouredColumn(BubbleEmitter& emitter) {
    ASSERT_TRUE(emitter.Init(kBubblePoolSize));
    emitter.SetColoured(false);
}

int SquaresDrawnFor(int qiPaoNum) {
    BubbleEmitter emitter;
    MakeUncolouredColumn(emitter);
    CountingBubblePainter painter;
    emitter.Draw(BubbleDrawCount(qiPaoNum), painter);
    return painter.squares;
}
}  // namespace

TEST(BubbleAmount, LargerSettingGivesFewerBubbles) {
    EXPECT_EQ(SquaresDrawnFor(100), 10);
    EXPECT_EQ(SquaresDrawnFor(0), 110);
    EXPECT_EQ(SquaresDrawnFor(110), 0);
    EXPECT_EQ(SquaresDrawnFor(500), 0);
}

TEST(BubbleAmount, NegativeSettingDrawsTheWholePoolAndNoMore) {
    EXPECT_EQ(SquaresDrawnFor(-50), 110);
    EXPECT_EQ(SquaresDrawnFor(INT_MIN), 110);
    BubbleEmitter emitter;
    MakeUncolouredColumn(emitter);
    CountingBubblePainter painter;
    emitter.Draw(1000, painter);
    EXPECT_EQ(painter.squares, 110);
    EXPECT_EQ(emitter.count, 110);
}

TEST(BubbleAmount, EmitterWithoutAPoolDrawsNothing) {
    BubbleEmitter emitter;
    CountingBubblePainter painter;
    emitter.Draw(110, painter);
    EXPECT_EQ(painter.squares, 0);
    EXPECT_EQ(emitter.count, 0);
}

TEST(BubbleAmount, ParticlesBeyondTheCountKeepTheirState) {
    BubbleEmitter emitter;
    MakeUncolouredColumn(emitter);
    const Bubble spare = emitter.particles[50];
    CountingBubblePainter painter;
    for (int frame = 0; frame < 300; ++frame) emitter.Draw(10, painter);
    EXPECT_EQ(std::memcmp(&spare, &emitter.particles[50], sizeof(Bubble)), 0);
}

TEST(BubbleStart, InitDrawsEachParticleFromTheStreamInFieldOrder) {
    ResetCrtRand();
    BubbleEmitter emitter;
    ASSERT_TRUE(emitter.Init(3));
    const Bubble& first = emitter.particles[0];
    // The stream starts 41, 18467, 6334, ...
    EXPECT_FLOAT_EQ(first.position[0], 41 % 200 - 100);
    EXPECT_FLOAT_EQ(first.position[1], (18467 % 9) * 0.005f - 1.0f);
    EXPECT_FLOAT_EQ(first.position[2], (6334 % 6) * 0.005f);
    for (int i = 0; i < 3; ++i) {
        const Bubble& bubble = emitter.particles[i];
        EXPECT_FLOAT_EQ(bubble.life, 200.0f);
        EXPECT_FLOAT_EQ(bubble.acceleration[1], 0.000833333f);
        EXPECT_GE(bubble.halfSize, 0.2f - 1e-6f);
        EXPECT_LE(bubble.halfSize, 2.1f + 1e-6f);
        EXPECT_LE(bubble.velocity[1], 9000 * 0.000042f / 3.0f);
        EXPECT_LE(bubble.red, 254.0f);
    }
    EXPECT_EQ(emitter.count, 3);
    EXPECT_TRUE(emitter.coloured);
}

TEST(BubbleRebirth, KeepsTheSquareSizeAndRisesUpToThreeTimesFaster) {
    BubbleEmitter emitter;
    MakeUncolouredColumn(emitter);
    std::vector<float> sizes;
    for (int i = 0; i < kBubblePoolSize; ++i) sizes.push_back(emitter.particles[i].halfSize);
    CountingBubblePainter painter;
    float fastestRise = 0.0f;
    int rebirths = 0;
    for (int frame = 0; frame < 2000; ++frame) {
        std::vector<float> lives;
        for (int i = 0; i < kBubblePoolSize; ++i) lives.push_back(emitter.particles[i].life);
        emitter.Draw(kBubblePoolSize, painter);
        for (int i = 0; i < kBubblePoolSize; ++i) {
            const Bubble& bubble = emitter.particles[i];
            ASSERT_EQ(bubble.halfSize, sizes[i]);
            if (bubble.life == 200.0f && lives[i] != 200.0f) {
                ++rebirths;
                fastestRise = std::max(fastestRise, bubble.velocity[1]);
                EXPECT_LT(bubble.position[1], -0.95f);
                EXPECT_LE(bubble.velocity[2], 0.032768f);
            }
        }
    }
    EXPECT_GT(rebirths, 100);
    EXPECT_GT(fastestRise, 9000 * 0.000042f / 3.0f) << "faster than any start at Init";
    EXPECT_LE(fastestRise, 9000 * 0.000042f);
}

TEST(BubbleRebirth, EverlastingBubbleIsRecycledOnlyByLeavingTheColumn) {
    BubbleEmitter emitter;
    ASSERT_TRUE(emitter.Init(1));
    Bubble& bubble = emitter.particles[0];
    bubble.fade = 0.0f;
    bubble.position[1] = 0.0f;
    bubble.velocity[1] = 0.0f;
    int frames = 0;
    float before = 0.0f;
    do {
        before = bubble.position[1];
        emitter.Advance();
        ++frames;
    } while (bubble.position[1] >= before && frames < 100000);
    // Rising from 0 at 1/1200 per frame squared, it passes 130 after ~558 frames.
    EXPECT_NEAR(frames, 559, 2);
    EXPECT_LT(bubble.position[1], -0.95f);

    bubble.fade = 0.0f;
    bubble.position[1] = -24.0f;
    bubble.velocity[1] = -2.0f;
    emitter.Advance();
    EXPECT_LT(bubble.position[1], -0.95f) << "recycled on leaving at the bottom";
    EXPECT_GT(bubble.position[1], -1.01f);
}

TEST(BubbleDrawing, ColouredEmitterTintsEachSquareAndRestoresWhite) {
    BubbleEmitter emitter;
    ASSERT_TRUE(emitter.Init(4));
    CountingBubblePainter painter;
    emitter.Draw(4, painter);
    ASSERT_EQ(painter.colours.size(), 5u);
    EXPECT_EQ(painter.colours.back(), (std::array<std::uint8_t, 3>{255, 255, 255}));
    EXPECT_EQ(painter.binds, 1);

    emitter.SetColoured(false);
    CountingBubblePainter plain;
    emitter.Draw(4, plain);
    EXPECT_TRUE(plain.colours.empty());
}

TEST(BubbleColumnsPlacement, EmittersStandBelowAndBehindTheTank) {
    const TankBounds tank = TankBoundsForScreen(1024, 768);
    EXPECT_EQ(BubbleEmitterPosition(tank, 0), (std::array<float, 3>{0.0f, -30.0f, -150.0f}));
    EXPECT_EQ(BubbleEmitterPosition(tank, 1), (std::array<float, 3>{0.0f, -30.0f, -250.0f}));
    EXPECT_EQ(BubbleEmitterPosition(tank, 2), (std::array<float, 3>{0.0f, -30.0f, -100.0f}));
    EXPECT_EQ(BubbleDrawOrigin({0.0f, -30.0f, -150.0f}),
              (std::array<float, 3>{5.0f, -55.0f, -210.0f}));
}
