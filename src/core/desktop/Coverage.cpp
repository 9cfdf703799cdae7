#include "core/desktop/Coverage.h"

#include <algorithm>

namespace {
// The edges that cut the span [begin, end) into pieces each window covers
// wholly or not at all.
std::vector<int> Cuts(int begin, int end, const std::vector<PixelRect>& above, bool across) {
    std::vector<int> cuts{begin, end};
    for (const PixelRect& window : above) {
        const int low = across ? window.x : window.y;
        const int high = low + (across ? window.width : window.height);
        for (const int edge : {low, high}) {
            if (edge > begin && edge < end) cuts.push_back(edge);
        }
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    return cuts;
}
}  // namespace

bool WhollyCovered(const PixelRect& area, const std::vector<PixelRect>& above) {
    const std::vector<int> xs = Cuts(area.x, area.x + area.width, above, true);
    const std::vector<int> ys = Cuts(area.y, area.y + area.height, above, false);
    // Each piece is covered when a window holds its top-left pixel.
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
            const bool covered =
                std::any_of(above.begin(), above.end(),
                            [&](const PixelRect& window) { return window.Contains(xs[i], ys[j]); });
            if (!covered) return false;
        }
    }
    return true;
}
