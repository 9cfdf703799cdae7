#include <gtest/gtest.h>

#include <numeric>

#include "core/fish/FishSettingsModel.h"
#include "core/settings/ReadAquariumSettings.h"
#include "core/settings/SettingsFile.h"
#include "platform/posix/Random.h"

namespace {
FishSettingsModel WithCounts(const std::array<int, kSpeciesCount>& counts) {
    FishSettingsModel model;
    model.StartFrom(counts);
    return model;
}
}  // namespace

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
