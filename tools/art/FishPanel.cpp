// The Fish Settings dialog's picture panel: a tile for each species, the fish
// drawn from the tank's own mesh and skin, over calm light water. The dialog
// writes each species' count in its tile's top-left corner and puts its
// buttons and labels over the water below, so both stay quiet and light.
#include <algorithm>
#include <cmath>

#include "art/FishPortrait.h"
#include "art/Noise.h"
#include "art/Painters.h"
#include "art/Shapes.h"
#include "core/dialogs/FishSettingsModel.h"

namespace {
constexpr float kPi = 3.14159265f;

const Rgb kWaterTop = FromHex(0xCBEBF1);
const Rgb kWaterBottom = FromHex(0x8CCAE0);
const Rgb kSand = FromHex(0xE6D6AE);
const Rgb kTileTop = FromHex(0xF2FAFB);
const Rgb kTileBottom = FromHex(0xD3ECF2);
const Rgb kTileEdge = FromHex(0x7FB8CC);

float SandTop(float x) {
    return 486.0f + 5.0f * std::sin(x / kFishPanelWidth * 2.0f * kPi * 1.5f + 0.4f) +
           3.0f * (FractalNoise(x / 40.0f, 1.5f, 71, 3) - 0.5f);
}

void PaintWater(Canvas& panel) {
    for (int y = 0; y < panel.Height(); ++y) {
        const float depth = SmoothStep(0.0f, static_cast<float>(panel.Height()), y);
        for (int x = 0; x < panel.Width(); ++x) {
            // Faint shafts of light slanting down from the surface.
            const float slant = x + 0.35f * y;
            const float shafts =
                0.5f + 0.5f * std::sin(slant / 46.0f) * std::sin(slant / 113.0f + 1.3f);
            const float fade = 1.0f - SmoothStep(0.0f, 440.0f, static_cast<float>(y));
            const float shimmer = FractalNoise(x / 60.0f, y / 25.0f, 43, 3) - 0.5f;
            Rgb water = Mix(kWaterTop, kWaterBottom, depth);
            water = Mix(water, FromHex(0xFFFFFF), 0.10f * shafts * fade + 0.03f * shimmer);
            const float sand = SmoothStep(-1.0f, 1.0f, y - SandTop(static_cast<float>(x)));
            const float grain = Hash01(x, y, 97) - 0.5f;
            const Rgb sandColour =
                Scale(kSand, 1.0f + 0.05f * grain - 0.06f * SmoothStep(490.0f, 512.0f, y));
            panel.At(x, y) = Mix(water, sandColour, sand);
        }
    }
}

// A rounded tile for species `species`, covering the corner where the dialog
// writes the count, with the fish under the count.
void PaintTile(Canvas& panel, int species) {
    // Where the dialog puts the species' cell.
    const CellBox cell = FishSettingsModel::Cell(species);
    const int left = cell.left;
    const int top = cell.top;
    const float cx = left + 49.0f;
    const float cy = top + 44.5f;
    auto tile = [&](float x, float y) { return BoxDistance(x, y, cx, cy, 48.0f, 43.5f, 7.0f); };
    // A soft shadow to lift the tile off the water.
    FillShape(
        panel, left - 2, top - 2, left + 102, top + 94,
        [&](float x, float y) {
            return BoxDistance(x, y, cx + 1.0f, cy + 1.5f, 48.0f, 43.5f, 7.0f);
        },
        [](float, float) { return FromHex(0x4F8DA3); }, 0.35f);
    FillShape(panel, left, top, left + cell.width, top + cell.height, tile,
              [](float, float) { return kTileEdge; });
    FillShape(
        panel, left, top, left + cell.width, top + cell.height,
        [&](float x, float y) { return tile(x, y) + 1.0f; },
        [&](float, float y) {
            return Mix(kTileTop, kTileBottom, SmoothStep(top + 20.0f, top + 88.0f, y));
        });

    const RgbaCanvas fish = PaintFishPortrait(species, 90, 64);
    panel.Composite(fish, left + 4, top + 22);
}
}  // namespace

Canvas PaintFishSettingsPanel() {
    Canvas panel(kFishPanelWidth, kFishPanelHeight);
    PaintWater(panel);
    for (int species = 0; species < kSpeciesCount; ++species) PaintTile(panel, species);
    return panel;
}
