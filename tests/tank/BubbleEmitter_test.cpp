#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "core/tank/BubbleColumns.h"
#include "core/tank/BubbleEmitter.h"

namespace {
class CountingBubblePainter : public BubblePainter {
  public:
    void BindTexture() override { ++binds; }
    void SetColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
        colours.push_back({red, green, blue});
    }
    void Square(float, float, float, float) override { ++squares; }
    int binds = 0;
    int squares = 0;
    std::vector<std::array<std::uint8_t, 3>> colours;
};
}  // namespace

TEST(BubbleAmount, LargerSettingGivesFewerBubblesAndNoneBeyondThePool) {
    const struct {
        int bubbleAmount;
        int squares;
    } cases[] = {{100, 10}, {0, 110}, {110, 0}, {500, 0}, {-50, 110}, {INT_MIN, 110}};
    for (const auto& c : cases) {
        BubbleEmitter emitter;
        ASSERT_TRUE(emitter.Init(kBubblePoolSize));
        emitter.SetColoured(false);
        CountingBubblePainter painter;
        emitter.Draw(BubbleDrawCount(c.bubbleAmount), painter);
        EXPECT_EQ(painter.squares, c.squares) << c.bubbleAmount;
    }
    BubbleEmitter empty;
    CountingBubblePainter painter;
    empty.Draw(110, painter);
    EXPECT_EQ(painter.squares, 0) << "an emitter without a pool draws nothing";
}

TEST(BubbleRebirth, KeepsTheSquareSizeAndRisesUpToThreeTimesFaster) {
    BubbleEmitter emitter;
    ASSERT_TRUE(emitter.Init(kBubblePoolSize));
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
            }
        }
    }
    EXPECT_GT(rebirths, 100);
    EXPECT_GT(fastestRise, 9000 * 0.000042f / 3.0f) << "faster than any start at Init";
    EXPECT_LE(fastestRise, 9000 * 0.000042f);
    // Coloured squares are tinted one by one, then white is restored.
    EXPECT_EQ(painter.colours.size(), 2000u * (kBubblePoolSize + 1));
    EXPECT_EQ(painter.colours.back(), (std::array<std::uint8_t, 3>{255, 255, 255}));
    EXPECT_EQ(painter.binds, 2000);
}

TEST(BubbleRebirth, EverlastingBubbleIsRecycledOnLeavingTheColumn) {
    BubbleEmitter emitter;
    ASSERT_TRUE(emitter.Init(1));
    Bubble& bubble = emitter.particles[0];
    for (float velocity : {0.5f, -2.0f}) {
        bubble.fade = 0.0f;
        bubble.position[1] = velocity > 0 ? 129.9f : -24.0f;
        bubble.velocity[1] = velocity;
        emitter.Advance();
        EXPECT_LT(bubble.position[1], -0.95f) << velocity;
        EXPECT_GT(bubble.position[1], -1.01f) << velocity;
    }
}
