#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "core/dialogs/FishSettingsModel.h"
#include "core/fish/FishSchool.h"
#include "core/scene/Reveal.h"
#include "core/settings/ReadAquariumSettings.h"
#include "core/settings/SettingsFile.h"
#include "core/tank/SchoolLayout.h"

namespace {
FishSettingsModel WithCounts(const std::array<int, kSpeciesCount>& counts) {
    FishSettingsModel model;
    model.StartFrom(counts);
    return model;
}
}  // namespace

// Each species owns consecutive slots in species order; negative counts own
// none, and counts adding past the school's 200 slots are cut at the last one.
TEST(SpeciesRanges, ConsecutiveSlotsPerSpeciesWithinTheSchool) {
    const int huge = 2147483647;
    const struct {
        std::array<int, kSpeciesCount> counts;
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

TEST(FishSettingsModel, AddAndDeleteStayWithin0AndATankOf200AndClearMissingKeys) {
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

    // The school takes at most 200 of a species; a missing key is written at the first save.
    model = WithCounts({3, 0, 500});
    EXPECT_EQ(model.SchoolCounts()[2], 200);
    ProfileText profile("[Fish Number]\nFish0=3\n");
    WriteFishCounts(model.Counts(), profile);
    EXPECT_EQ(profile.Get(kFishNumberSection, "Fish4"), "0");
    model.Clear();
    EXPECT_EQ(model.TotalLabel(), "Total: 0/200");
}
