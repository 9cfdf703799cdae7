#include "core/settings/SettingsOverrides.h"

#include <algorithm>
#include <numeric>

#include "core/tank/BubbleColumns.h"

std::array<int, kSpeciesCount> DealFish(int total,
                                        const std::array<int, kSpeciesCount>& proportions) {
    std::array<long long, kSpeciesCount> weights{};
    for (int species = 0; species < kSpeciesCount; ++species) {
        weights[species] = std::max(proportions[species], 0);
    }
    long long weightSum = std::accumulate(weights.begin(), weights.end(), 0LL);
    if (weightSum == 0) {
        weights.fill(1);
        weightSum = kSpeciesCount;
    }
    std::array<int, kSpeciesCount> counts{};
    std::array<long long, kSpeciesCount> remainders{};
    int dealt = 0;
    for (int species = 0; species < kSpeciesCount; ++species) {
        const long long share = total * weights[species];
        counts[species] = static_cast<int>(share / weightSum);
        remainders[species] = share % weightSum;
        dealt += counts[species];
    }
    std::array<int, kSpeciesCount> order{};
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return remainders[a] > remainders[b]; });
    for (int i = 0; dealt < total; ++i, ++dealt) ++counts[order[i]];
    return counts;
}

AquariumSettings WithOverrides(AquariumSettings settings, const TankOverrides& overrides) {
    if (overrides.fish) settings.fishCounts = DealFish(*overrides.fish, settings.fishCounts);
    if (overrides.bubbles == false) settings.bubbleAmount = kBubblePoolSize;
    if (overrides.bubbles == true && BubbleDrawCount(settings.bubbleAmount) == 0) {
        settings.bubbleAmount = AquariumSettings().bubbleAmount;
    }
    // The wall shows while "Show Terra" is set and "BACKGROUND" picks our picture.
    if (overrides.wall == false) settings.showTerra = 0;
    if (overrides.wall == true) {
        settings.showTerra = 1;
        settings.background = 0;
    }
    return settings;
}
