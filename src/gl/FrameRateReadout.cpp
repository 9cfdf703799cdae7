#include "gl/FrameRateReadout.h"

#include <algorithm>
#include <string_view>

#include "gl/PixelText.h"

namespace {
// Letters an eightieth of the height high, small yet readable on any screen.
constexpr float kScreenHeightsPerEm = 80.0f;
constexpr float kMinEmPx = 12.0f;
constexpr float kLineSpacingEm = 1.3f;
constexpr float kMarginEm = 0.6f;
}  // namespace

void DrawFrameRateReadout(const GlyphLists& font, const std::string& text) {
    if (text.empty()) return;
    const PixelTextPass pass;
    const float em = std::max(kMinEmPx, pass.ViewSize()[1] / kScreenHeightsPerEm);
    const std::string_view lines = text;
    const auto lineCount = std::count(lines.begin(), lines.end(), '\n') + 1;
    float baseline = kMarginEm * em + (lineCount - 1) * kLineSpacingEm * em;
    for (std::size_t start = 0; start <= lines.size(); baseline -= kLineSpacingEm * em) {
        const std::size_t end = std::min(lines.find('\n', start), lines.size());
        pass.Print(font, lines.substr(start, end - start), kMarginEm * em, baseline, em,
                   {1.0f, 1.0f, 1.0f});
        start = end + 1;
    }
}
