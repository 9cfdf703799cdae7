#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <utility>
#include <vector>

#include "core/fish/FishSchool.h"
#include "core/fish/FishSettingsModel.h"
#include "core/fish/FoodPellet.h"
#include "core/scene/Reveal.h"
#include "core/settings/ReadAquariumSettings.h"
#include "core/settings/SettingsFile.h"
#include "platform/posix/Random.h"

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

FishSettingsModel WithCounts(const std::array<int, kSpeciesCount>& counts) {
    FishSettingsModel model;
    model.StartFrom(counts);
    return model;
}
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

// Each species owns consecutive slots in species order; negative counts own
// none, and counts adding past the school's 200 slots are cut at the last one.
TEST(SpeciesRanges, ConsecutiveSlotsPerSpeciesWithinTheSchool) {
    const int huge = 2147483647;
    const struct {
        std::array<int, 10> counts;
        int total, walked;
        std::vector<std::pair<int, int>> slotSpecies;
    } cases[] = {
        {{3, 0, 2, 0, 0, 0, 0, 0, 0, 0}, 5, 5, {{0, 0}, {2, 0}, {3, 2}, {4, 2}, {5, -1}}},
        {{}, 0, 0, {{0, -1}}},
        {{5, -3, 4, 0, 0, 0, 0, 0, 0, 0}, 9, 9, {{4, 0}, {5, 2}, {8, 2}, {9, -1}}},
        {{150, 150, 0, 0, 0, 0, 0, 0, 0, 0}, 300, kSchoolSlots, {{149, 0}, {150, 1}, {199, 1}}},
        {{19, 0, 7, 200, -1, 3, 0, 12, 1, 40}, 282, kSchoolSlots, {{26, 3}}},
        {{huge, huge, huge, huge, huge, huge, huge, huge, huge, huge}, 2000, kSchoolSlots, {}},
    };
    for (const auto& c : cases) {
        const SpeciesRanges ranges = SpeciesRangesFor(c.counts);
        EXPECT_EQ(ranges.total, c.total) << c.counts[0];
        EXPECT_EQ(WalkedFishCount(ranges.total, 200), c.walked) << c.counts[0];
        for (const auto& [slot, species] : c.slotSpecies)
            EXPECT_EQ(SpeciesOfSlot(ranges, slot), species) << c.counts[0] << " slot " << slot;
        for (int slot = 0; slot < c.walked; ++slot)
            EXPECT_GE(SpeciesOfSlot(ranges, slot), 0) << c.counts[0] << " slot " << slot;
    }
}

TEST(FishSettingsModel, AClickSelectsTheSpeciesUnderItAndNothingOffThePictures) {
    const std::tuple<int, int, int> clicks[] = {
        {0, 0, 0},     {99, 89, 0},   {150, 45, 1},   {499, 10, 4},  {10, 100, 5},
        {450, 170, 9}, {500, 10, -1}, {620, 100, -1}, {10, 180, -1}, {10, 460, -1},
    };
    FishSettingsModel model;
    for (const auto& [x, y, species] : clicks) {
        model.SelectAt(x, y);
        EXPECT_EQ(model.Selected(), species) << x << ", " << y;
    }
    model.SelectAt(150, 45);
    EXPECT_EQ(model.SelectAt(10, 100), 1) << "the cell to repaint";
}

TEST(FishSettingsModel, AddAndDeleteStayWithin0AndATankOf200) {
    FishSettingsModel model = WithCounts({190, 9});
    EXPECT_FALSE(model.Add()) << "nothing selected";
    model.SelectAt(250, 45);  // species 2
    EXPECT_FALSE(model.Delete());
    EXPECT_EQ(model.Counts()[2], 0);
    EXPECT_TRUE(model.Add());
    EXPECT_EQ(model.TotalLabel(), "Total: 200/200");
    EXPECT_FALSE(model.Add());
    EXPECT_EQ(model.Counts()[2], 1);
    EXPECT_TRUE(model.Delete());
    EXPECT_EQ(model.Total(), 199);
}

TEST(FishSettingsModel, RandomDealsAtMost199AndZeroFromTheSpeciesThatPassesIt) {
    using Counts = std::array<int, kSpeciesCount>;
    EXPECT_EQ(FishSettingsModel::DealCounts({21, 21, 21, 21, 21, 21, 21, 21, 21, 21}),
              (Counts{21, 21, 21, 21, 21, 21, 21, 21, 21, 0}));
    // A running sum of exactly 199 still deals; 200 does not.
    EXPECT_EQ(FishSettingsModel::DealCounts({21, 21, 21, 21, 21, 21, 21, 21, 20, 11}),
              (Counts{21, 21, 21, 21, 21, 21, 21, 21, 20, 11}));
    EXPECT_EQ(FishSettingsModel::DealCounts({21, 21, 21, 21, 21, 21, 21, 21, 20, 12}),
              (Counts{21, 21, 21, 21, 21, 21, 21, 21, 20, 0}));
    // The dropped draws keep counting: every later species gets 0.
    EXPECT_EQ(FishSettingsModel::DealCounts({150, 60, 2, 2, 2, 2, 2, 2, 2, 2}),
              (Counts{150, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(FishSettingsModel::DealCounts({2, 3, 4, 5, 6, 7, 8, 9, 10, 11}),
              (Counts{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    ResetCrtRand();
    FishSettingsModel model;
    for (int deal = 0; deal < 100; ++deal) {
        model.SelectAt(10, 10);
        model.Random();
        EXPECT_EQ(model.Selected(), FishSettingsModel::kNoSpecies);
        EXPECT_LE(model.Total(), 199);
        for (int count : model.Counts()) EXPECT_TRUE(count == 0 || (count >= 2 && count <= 21));
    }
}

TEST(FishSettingsModel, ClearMissingKeysAndTheSchoolsShare) {
    FishSettingsModel model = WithCounts({3, 0, 500});
    EXPECT_EQ(model.SchoolCounts()[2], 200);
    ProfileText profile("[Fish Number]\nFish0=3\n");
    WriteFishCounts(model.Counts(), profile);
    EXPECT_EQ(profile.Get(kFishNumberSection, "Fish4"), "0") << "and is written at the first save";
    model.Clear();
    EXPECT_EQ(model.TotalLabel(), "Total: 0/200");
}
