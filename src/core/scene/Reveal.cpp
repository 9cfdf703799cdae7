#include "core/scene/Reveal.h"

#include <algorithm>

int NextRevealCount(int revealCount) {
    return std::min(revealCount + 1, kRevealLimit);
}

int WalkedFishCount(int schoolTotal, int revealCount) {
    return std::max(0, std::min({schoolTotal, revealCount + 1, kRevealLimit}));
}
