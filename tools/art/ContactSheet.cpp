#include "art/ContactSheet.h"

#include <algorithm>
#include <cmath>

#include "art/Painters.h"
#include "art/Shapes.h"
#include "core/fish/SkinLayout.h"

namespace {
constexpr int kMargin = 8;
constexpr int kCell = 256;  // a skin shown at twice its size
constexpr int kColumns = 4;

// The skin's colour at a point of a layout region, (a, b) in 0..1 across the
// region from its left and top edges.
Rgb Sample(const Canvas& skin, const SkinRegion& region, float a, float b) {
    const float x =
        (region.s0 + (region.s1 - region.s0) * std::clamp(a, 0.0f, 0.999f)) * skin.Width();
    const float y =
        (1.0f - region.t1 + (region.t1 - region.t0) * std::clamp(b, 0.0f, 0.999f)) * skin.Height();
    return skin.At(static_cast<int>(x), static_cast<int>(y));
}

// A flat side view of a fish wearing `skin`: a rough idea of how the regions
// meet on the mesh, good enough to judge colours and patterns at a glance.
Canvas PaintFishPreview(const Canvas& skin) {
    Canvas view(kCell, kCell / 2, FromHex(0x1F7FA6));
    const float snout = 14.0f;
    const float length = 180.0f;
    const float midY = kCell / 4.0f;
    const float maxHalf = 40.0f;
    auto halfHeight = [&](float u) {
        if (u < 0.35f)
            return maxHalf * std::sqrt(std::max(0.0f, 1.0f - std::pow((0.35f - u) / 0.37f, 2.0f)));
        return maxHalf - (maxHalf - 10.0f) * std::pow((u - 0.35f) / 0.65f, 1.2f);
    };
    for (int y = 0; y < view.Height(); ++y) {
        for (int x = 0; x < view.Width(); ++x) {
            const float u = (x - snout) / length;
            // Tail fin.
            const float a = (x - snout - length) / 50.0f;
            if (a >= 0.0f && a < 1.0f) {
                const float spread = 10.0f + 38.0f * a;
                const float b = (y - (midY - spread)) / (2.0f * spread);
                const bool notch = a > 0.65f && std::fabs(b - 0.5f) < (a - 0.65f) * 1.1f;
                if (b >= 0.0f && b < 1.0f && !notch)
                    view.At(x, y) = Sample(skin, SkinLayout::kTail, a, b);
            }
            if (u < 0.0f || u >= 1.0f) continue;
            const float half = halfHeight(u);
            const float top = midY - half;
            // Dorsal fin over the middle of the back.
            const float finA = (u - 0.3f) / 0.38f;
            if (finA >= 0.0f && finA < 1.0f) {
                const float finHeight = 26.0f * std::sin(finA * 3.14159f) * (1.0f - 0.3f * finA);
                const float along = (top - y) / 26.0f;
                if (y < top && top - y < finHeight) {
                    view.At(x, y) = Sample(skin, SkinLayout::kFin, finA, 1.0f - along);
                }
            }
            const float v = (y - top) / (2.0f * half);
            if (v >= 0.0f && v < 1.0f) {
                const float shade = 0.75f + 0.35f * std::sin(v * 3.14159f);
                view.At(x, y) = Scale(Sample(skin, SkinLayout::kBody, u, v), shade);
            }
        }
    }
    const float eyeX = snout + 0.11f * length;
    const float eyeY = midY - 12.0f;
    const float eyeRadius = 9.0f;
    for (int y = static_cast<int>(eyeY - eyeRadius); y <= static_cast<int>(eyeY + eyeRadius); ++y) {
        for (int x = static_cast<int>(eyeX - eyeRadius); x <= static_cast<int>(eyeX + eyeRadius);
             ++x) {
            const float dx = (x - eyeX) / eyeRadius;
            const float dy = (y - eyeY) / eyeRadius;
            if (dx * dx + dy * dy > 1.0f) continue;
            view.At(x, y) = Sample(skin, SkinLayout::kEye, 0.5f + dx * 0.45f, 0.5f + dy * 0.45f);
        }
    }
    return view;
}

void PlaceInCell(Canvas& sheet, int cell, const Canvas& top, int factor, const Canvas* bottom) {
    const int x = kMargin + (cell % kColumns) * (kCell + kMargin);
    const int y = 512 + 2 * kMargin + (cell / kColumns) * (kCell + kMargin);
    sheet.Paste(top, x, y, factor);
    if (bottom) sheet.Paste(*bottom, x, y + kCell / 2);
}
}  // namespace

Canvas PaintContactSheet() {
    const int width = kMargin + kColumns * (kCell + kMargin);
    const int rows = (kSpeciesCount + 1 + kColumns - 1) / kColumns;
    const int gridHeight = 512 + 2 * kMargin + rows * (kCell + kMargin);
    const int height = gridHeight + kFishPanelHeight + kMargin;
    Canvas sheet(width, height, FromHex(0x404040));
    sheet.Paste(PaintBackground(), kMargin, kMargin);
    for (int species = 0; species < kSpeciesCount; ++species) {
        const Canvas skin = PaintFishSkin(species);
        const Canvas preview = PaintFishPreview(skin);
        PlaceInCell(sheet, species, skin, 2, &preview);
    }
    PlaceInCell(sheet, kSpeciesCount, PaintBubble(), 4, nullptr);
    sheet.Paste(PaintFishSettingsPanel(), kMargin, gridHeight);
    return sheet;
}
