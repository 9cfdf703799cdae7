#include <gtest/gtest.h>

#include "fish/FishSchool.h"
#include "platform/Random.h"
#include "render/FrameSetup.h"
#include "render/TankBounds.h"

TEST(SpeciesRanges, ConsecutiveSlotsPerSpecies) {
    const SpeciesRanges ranges = SpeciesRangesFor({3, 0, 2, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ranges.total, 5);
    for (int slot : {0, 1, 2}) EXPECT_EQ(SpeciesOfSlot(ranges, slot), 0);
    for (int slot : {3, 4}) EXPECT_EQ(SpeciesOfSlot(ranges, slot), 2);
    EXPECT_EQ(SpeciesOfSlot(ranges, 5), -1);
}

TEST(SpeciesRanges, AllZeroWalksNothing) {
    const SpeciesRanges ranges = SpeciesRangesFor({});
    EXPECT_EQ(ranges.total, 0);
    EXPECT_EQ(WalkedFishCount(ranges.total, 200), 0);
}

TEST(SpeciesRanges, NegativeCountsOwnNoSlotsAndRangesNeverOverlap) {
    const SpeciesRanges ranges = SpeciesRangesFor({5, -3, 4, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ranges.total, 9);
    for (int slot = 0; slot < 5; ++slot) EXPECT_EQ(SpeciesOfSlot(ranges, slot), 0);
    for (int slot = 5; slot < 9; ++slot) EXPECT_EQ(SpeciesOfSlot(ranges, slot), 2);
}

TEST(SpeciesRanges, OversizedCountsNeverWalkPastTheLastSlot) {
    const int huge = 2147483647;
    const SpeciesRanges ranges =
        SpeciesRangesFor({huge, huge, huge, huge, huge, huge, huge, huge, huge, huge});
    EXPECT_EQ(ranges.total, 2000);
    EXPECT_EQ(WalkedFishCount(ranges.total, 200), kSchoolSlots);

    const SpeciesRanges crowded = SpeciesRangesFor({150, 150, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(WalkedFishCount(crowded.total, 200), kSchoolSlots);
    EXPECT_EQ(SpeciesOfSlot(crowded, 149), 0);
    EXPECT_EQ(SpeciesOfSlot(crowded, 199), 1);
}

TEST(SpeciesRanges, EveryWalkedSlotHasASpecies) {
    const SpeciesRanges ranges = SpeciesRangesFor({19, 0, 7, 200, -1, 3, 0, 12, 1, 40});
    for (int slot = 0; slot < WalkedFishCount(ranges.total, 200); ++slot) {
        EXPECT_GE(SpeciesOfSlot(ranges, slot), 0) << slot;
    }
}

TEST(CaughtSphere, OnlyAtSizesExactlyTwoAndFour) {
    EXPECT_EQ(CaughtSphereRadius(2.0f), 1.0f);
    EXPECT_EQ(CaughtSphereRadius(4.0f), 2.0f);
    EXPECT_EQ(CaughtSphereRadius(3.0f), 0.0f);
    EXPECT_EQ(CaughtSphereRadius(1.0f), 0.0f);
}

TEST(FishPlacement, RandomSpotInTheLayerAndTheSchoolBox) {
    const TankBounds tank = TankBoundsForScreen(1920, 1080);
    Fish fish;
    ResetCrtRand();
    PlaceFish(fish, tank);
    // The stream starts 41, 18467.
    EXPECT_EQ(fish.position[0], -9.0f);
    EXPECT_EQ(fish.position[1], 2.0f);
    EXPECT_EQ(fish.position[2], -70.0f);
    EXPECT_EQ(fish.bounds.xMin, -50.0f);
    EXPECT_EQ(fish.bounds.xMax, 50.0f);
    EXPECT_EQ(fish.bounds.yTop, tank.yMax - 10.0f);
    EXPECT_EQ(fish.bounds.yBottom, tank.yMin + 11.0f);
    EXPECT_EQ(fish.bounds.zMin, -70.0f);
    EXPECT_EQ(fish.bounds.zMax, -70.0f);
    ResetCrtRand();
}
