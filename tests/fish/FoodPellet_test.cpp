#include <gtest/gtest.h>

#include "core/fish/FoodPellet.h"

namespace {
class CountingPelletPainter : public PelletPainter {
  public:
    void DrawFlake(const std::array<float, 3>&, float, const std::array<float, 3>& offset,
                   float) override {
        lastOffset = offset;
        ++flakes;
    }
    std::array<float, 3> lastOffset{};
    std::size_t flakes = 0;
};
}  // namespace

TEST(FoodPelletSinking, SlowestAndFastestFlakesSinkOutOnTime) {
    for (const auto& [sinkSpeed, frames] : {std::pair{0.005f, 2200}, std::pair{0.0095f, 1158}}) {
        FoodPellet pellet;
        pellet.Place(0.0f, 0.0f, -70.0f);
        pellet.sinkSpeed = sinkSpeed;
        CountingPelletPainter painter;
        int drawn = 0;
        for (; pellet.offset[1] > -10.0f && drawn < 100000; ++drawn) pellet.Draw(painter);
        EXPECT_EQ(drawn, frames) << sinkSpeed;
    }
}

TEST(FoodPelletEnd, SunkOrEatenFlakeIsNotDrawnAndFreesItsSlotInTheNextFrame) {
    for (bool eaten : {false, true}) {
        FoodPellet pellet;
        pellet.Place(3.0f, 4.0f, -70.0f);
        CountingPelletPainter painter;
        if (eaten) {
            pellet.Draw(painter);
            pellet.Eat();
        } else {
            pellet.offset[1] = -10.0f;
            pellet.Draw(painter);
            EXPECT_FALSE(pellet.IsAlive());
            EXPECT_TRUE(pellet.IsActive()) << "a sunk flake is drawn a last time";
        }
        pellet.Draw(painter);
        EXPECT_EQ(painter.flakes, 1u) << eaten;
        EXPECT_FALSE(pellet.IsActive()) << eaten;
        pellet.Place(1.0f, 1.0f, -70.0f);
        pellet.SetActive(true);
        pellet.Draw(painter);
        EXPECT_EQ(painter.flakes, 2u) << "a freed slot takes the next drop";
    }
}

TEST(FoodPelletDrawing, PublishesThePointBelowTheOffsetWithoutTheOrbitThenSinks) {
    FoodPellet pellet;
    pellet.Place(5.0f, -2.0f, -70.0f);
    pellet.offset = {0.5f, 1.0f, -0.25f};
    CountingPelletPainter painter;
    pellet.Draw(painter);
    EXPECT_FLOAT_EQ(painter.lastOffset[1], 0.8f);
    EXPECT_FLOAT_EQ(pellet.point[0], 5.5f);
    EXPECT_FLOAT_EQ(pellet.point[1], -1.2f);
    EXPECT_FLOAT_EQ(pellet.point[2], -70.25f);
    EXPECT_FLOAT_EQ(pellet.offset[1], 1.0f - pellet.sinkSpeed);
}
