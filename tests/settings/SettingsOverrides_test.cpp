#include <gtest/gtest.h>

#include <array>
#include <numeric>

#include "core/settings/SettingsOverrides.h"
#include "core/tank/BubbleColumns.h"

namespace {
using Counts = std::array<int, kSpeciesCount>;
}  // namespace

TEST(TankOverrides, FishAreDealtInTheFilesProportionsToExactlyTheTotal) {
    const struct {
        int total;
        Counts proportions;
        Counts dealt;
    } cases[] = {
        {0, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, {}},
        {200, {}, {20, 20, 20, 20, 20, 20, 20, 20, 20, 20}},
        // The remainder goes to the largest fractions, the first species on a tie.
        {13, {}, {2, 2, 2, 1, 1, 1, 1, 1, 1, 1}},
        {10, {1, 2, 0, 0, 0, 0, 0, 0, 0, 0}, {3, 7, 0, 0, 0, 0, 0, 0, 0, 0}},
        {7, {3, 3, 3, 0, 0, 0, 0, 0, 0, 1}, {2, 2, 2, 0, 0, 0, 0, 0, 0, 1}},
        {1, {0, 0, 0, 0, 0, 0, 0, 0, 0, 4}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        // More in the file than swim: shares of 200 of them.
        {200, {200, 200, 0, 0, 0, 0, 0, 0, 0, 0}, {100, 100, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.total);
        const Counts dealt = DealFish(c.total, c.proportions);
        EXPECT_EQ(dealt, c.dealt);
        EXPECT_EQ(std::accumulate(dealt.begin(), dealt.end(), 0), c.total);
    }
}

TEST(TankOverrides, BubblesAndWallFollowTheFileUnlessToldAndTheRestIsLeftAlone) {
    AquariumSettings file;
    file.fishCounts = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    file.lightReduction = 40;
    const struct {
        TankOverrides overrides;
        int fileBubbleAmount, fileShowTerra, fileBackground;
        int bubbles, showTerra, background;  // bubbles drawn a column
    } cases[] = {
        {{}, 60, 1, 0, 50, 1, 0},
        {{{}, true, true}, 110, 0, 1, BubbleDrawCount(AquariumSettings().bubbleAmount), 1, 0},
        {{{}, true, true}, 500, 1, 2, BubbleDrawCount(AquariumSettings().bubbleAmount), 1, 0},
        {{{}, false, false}, 60, 1, 0, 0, 0, 0},
        {{{}, false, false}, -40, 1, 3, 0, 0, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileBubbleAmount);
        AquariumSettings given = file;
        given.bubbleAmount = c.fileBubbleAmount;
        given.showTerra = c.fileShowTerra;
        given.background = c.fileBackground;
        const AquariumSettings run = WithOverrides(given, c.overrides);
        EXPECT_EQ(BubbleDrawCount(run.bubbleAmount), c.bubbles);
        EXPECT_EQ(run.showTerra, c.showTerra);
        EXPECT_EQ(run.background, c.background);
        EXPECT_EQ(run.fishCounts, file.fishCounts);
        EXPECT_EQ(run.lightReduction, 40);
    }
    EXPECT_EQ(WithOverrides(file, {30, {}, {}}).fishCounts, (Counts{3, 3, 3, 3, 3, 3, 3, 3, 3, 3}));
}
