#include <gtest/gtest.h>

#include <vector>

#include "core/scene/OverlayVisibility.h"

namespace {
// F1, or a run of frames and how many of them must draw the text.
struct Step {
    int frames;  // 0 for F1
    int drawn;
};
constexpr Step kF1{0, 0};
}  // namespace

// The text shows for a hundred frames, the automatic hide restarts the count
// and F1's hide keeps it.
TEST(OverlayVisibility, ShowsAHundredFramesAtATimeAndF1PausesTheCount) {
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"at start-up", {{100, 100}, {500, 0}}},
        {"F1 after the automatic hide", {{101, 100}, kF1, {101, 100}, {50, 0}}},
        {"F1 hides and shows again", {{60, 60}, kF1, {30, 0}, kF1, {200, 40}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OverlayVisibility overlay;
        for (const Step& step : c.steps) {
            if (step.frames == 0) {
                overlay.Toggle();
                continue;
            }
            int drawn = 0;
            for (int i = 0; i < step.frames; ++i) drawn += overlay.NextFrame() ? 1 : 0;
            EXPECT_EQ(drawn, step.drawn);
        }
        EXPECT_FALSE(overlay.Shown());
    }
}
