#include "core/dialogs/FishSettingsModel.h"

#include <algorithm>
#include <numeric>

#include "platform/runtime/Random.h"
#include "platform/runtime/Translation.h"

namespace {
constexpr int kRandomDealLimit = 199;

}  // namespace

// Below the pictures, and right of them, nothing is selected.
int FishSettingsModel::SelectAt(int x, int y) {
    const int previous = selected_;
    const bool onPictures = x >= 0 && x < kColumns * kCellWidth && y >= 0 &&
                            y < (kSpeciesCount / kColumns) * kCellHeight;
    selected_ = onPictures ? kColumns * (y / kCellHeight) + x / kCellWidth : kNoSpecies;
    return previous;
}

bool FishSettingsModel::Add() {
    if (selected_ == kNoSpecies || Total() >= kMaxTotal) return false;
    int& count = counts_[selected_];
    const int before = count;
    count = std::min(count + 1, kSchoolSlots);
    return count != before;
}

bool FishSettingsModel::Delete() {
    if (selected_ == kNoSpecies) return false;
    int& count = counts_[selected_];
    const int before = count;
    count = std::max(count - 1, 0);
    return count != before;
}

void FishSettingsModel::Random() {
    std::array<int, kSpeciesCount> draws{};
    for (int& draw : draws) draw = CrtRand() % 20 + 2;
    counts_ = DealCounts(draws);
    selected_ = kNoSpecies;
}

std::array<int, kSpeciesCount> FishSettingsModel::DealCounts(
    const std::array<int, kSpeciesCount>& draws) {
    std::array<int, kSpeciesCount> counts{};
    int dealt = 0;
    for (int species = 0; species < kSpeciesCount; ++species) {
        dealt += draws[species];
        counts[species] = dealt > kRandomDealLimit ? 0 : draws[species];
    }
    return counts;
}

void FishSettingsModel::Clear() {
    counts_.fill(0);
}

// A hand-edited file may hold huge counts: summed wide, shown as they add up.
int FishSettingsModel::Total() const {
    const long long total = std::accumulate(counts_.begin(), counts_.end(), 0LL);
    return static_cast<int>(std::clamp<long long>(total, -2147483647LL, 2147483647LL));
}

std::string FishSettingsModel::TotalLabel() const {
    return Filled(Tr("Total: %d/%d"), Total(), kSchoolSlots);
}

std::array<int, kSpeciesCount> FishSettingsModel::SchoolCounts() const {
    std::array<int, kSpeciesCount> school{};
    for (int species = 0; species < kSpeciesCount; ++species) {
        school[species] = std::min(counts_[species], kSchoolSlots);
    }
    return school;
}
