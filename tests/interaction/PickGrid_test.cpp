#include <gtest/gtest.h>

#include <algorithm>

#include "core/interaction/PickGrid.h"
#include "core/tank/TankBounds.h"

TEST(PickGrid, StripsSpanTheTankAndTheXStripsReachAcrossAWideOne) {
    const TankBounds narrow = TankBoundsForScreen(1024, 768);  // x -49..49, y -25..25
    const PickGrid x = BuildPickGridX(narrow);
    ASSERT_EQ(x.points.size(), 101u);
    EXPECT_FLOAT_EQ(x.points[0][0], -49.0f);
    EXPECT_NEAR(x.points[100][0], 50.0099f, 1e-4f);
    EXPECT_EQ(x.points[0][2], -70.0f);
    const PickGrid y = BuildPickGridY(narrow);
    ASSERT_EQ(y.points.size(), 51u);
    EXPECT_FLOAT_EQ(y.points[0][1], -25.0f);
    EXPECT_FLOAT_EQ(y.points[50][1], 25.0f);

    const TankBounds wide = TankBoundsForScreen(1600, 900);  // x -58..58
    EXPECT_GE(BuildPickGridX(wide).points.back()[0], wide.xMax);
}

TEST(PickGrid, SwaysAUnitEitherSideOfTheTankEdgeAndTurnsMidGrid) {
    PickGrid grid;
    grid.points = {{-49.0f, 0.0f, -70.0f}, {-48.0f, 0.0f, -70.0f}};
    // Toward -x from the edge: in the 11th frame the first strip passes a
    // unit beyond it, and the second, moved after it, already turns back.
    for (int frame = 0; frame < 11; ++frame) MovePickGrid(grid, 0, -49.0f);
    EXPECT_TRUE(grid.towardPlus);
    EXPECT_NEAR(grid.points[0][0], -50.1f, 1e-4f);
    EXPECT_NEAR(grid.points[1][0], -48.9f, 1e-4f);
    float lowest = grid.points[0][0];
    float highest = lowest;
    int turns = 0;
    for (int frame = 0; frame < 200; ++frame) {
        const bool before = grid.towardPlus;
        MovePickGrid(grid, 0, -49.0f);
        turns += grid.towardPlus != before ? 1 : 0;
        lowest = std::min(lowest, grid.points[0][0]);
        highest = std::max(highest, grid.points[0][0]);
    }
    EXPECT_NEAR(lowest, -50.1f, 0.01f);
    EXPECT_NEAR(highest, -47.9f, 0.01f);
    EXPECT_GE(turns, 8);
    EXPECT_EQ(grid.points[0][1], 0.0f);
}
