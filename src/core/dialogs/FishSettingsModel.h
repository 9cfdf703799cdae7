#pragma once

#include <array>
#include <string>

#include "core/fish/FishSchool.h"

// A box in the Fish Settings dialog's client pixels.
struct CellBox {
    int left;
    int top;
    int width;
    int height;
};

// What the Fish Settings dialog decides, without a window: its working copy of
// the ten counts, the selected species, and the four actions on them.
class FishSettingsModel {
  public:
    static constexpr int kColumns = 5;
    static constexpr int kCellWidth = 100;
    static constexpr int kCellHeight = 90;
    static constexpr int kCellOffset = 2;
    static constexpr int kMaxTotal = kSchoolSlots;
    static constexpr int kNoSpecies = -1;

    // The picture of species i: 5 to a row, from (2, 2).
    static constexpr CellBox Cell(int species) {
        return {(species % kColumns) * kCellWidth + kCellOffset,
                (species / kColumns) * kCellHeight + kCellOffset, kCellWidth, kCellHeight};
    }
    // Where a species' count is written, in the top-left corner of its cell.
    static constexpr CellBox CountCorner(int species) {
        return {Cell(species).left, Cell(species).top, 30, 20};
    }

    // Starts from the counts the tank swims with, which the settings file may
    // not hold: it may be unreadable, or unable to take the last edits.
    void StartFrom(const std::array<int, kSpeciesCount>& counts) { counts_ = counts; }

    // Selects the species under a click; a click off the ten pictures selects
    // none. Returns the species selected before, whose cell needs repainting.
    int SelectAt(int x, int y);
    // One more fish of the selected species while the tank holds fewer than
    // 200. False when nothing changed.
    bool Add();
    // One fish fewer of the selected species, never below 0. False when
    // nothing changed.
    bool Delete();
    // Deals each species 2..21 fish in turn (DealCounts); then selects none.
    void Random();
    // Each species gets its draw, or 0 from the one whose draw takes the
    // running sum of the draws past 199 on.
    static std::array<int, kSpeciesCount> DealCounts(const std::array<int, kSpeciesCount>& draws);
    void Clear();

    int Total() const;
    // "Total: N/200".
    std::string TotalLabel() const;
    int Selected() const { return selected_; }
    const std::array<int, kSpeciesCount>& Counts() const { return counts_; }
    // The counts as the school swims them: none above 200.
    std::array<int, kSpeciesCount> SchoolCounts() const;

  private:
    std::array<int, kSpeciesCount> counts_{};
    int selected_ = kNoSpecies;
};
