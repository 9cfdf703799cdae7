#include "gl/ClockGl.h"

#include <algorithm>

#include "core/scene/ClockFace.h"
#include "gl/PixelText.h"

namespace {
// A sixteenth of the height high: read across the room, yet no headline.
constexpr float kScreenHeightsPerEm = 16.0f;
constexpr float kMinEmPx = 16.0f;
// The letters' advance, a little wider than the bold face's digits.
constexpr float kAdvanceEm = 0.65f;
constexpr float kOutlineEm = 0.05f;
constexpr std::array<float, 3> kLetters{0.92f, 0.96f, 1.0f};
constexpr std::array<float, 3> kOutline{0.02f, 0.03f, 0.06f};
}  // namespace

void DrawClock(const GlyphLists& font, const ClockFace& clock) {
    if (clock.text.empty()) return;
    const PixelTextPass pass;
    const std::array<float, 2> view = pass.ViewSize();
    const float em = std::max(kMinEmPx, view[1] / kScreenHeightsPerEm);
    const std::array<float, 2> textSize{kAdvanceEm * em * clock.text.size(), em};
    const std::array<float, 2> at = ClockOrigin(clock.place, view, textSize, em);
    const float outline = kOutlineEm * em;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx != 0 || dy != 0) {
                pass.Print(font, clock.text, at[0] + dx * outline, at[1] + dy * outline, em,
                           kOutline);
            }
        }
    }
    pass.Print(font, clock.text, at[0], at[1], em, kLetters);
}
