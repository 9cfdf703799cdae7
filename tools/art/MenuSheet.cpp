// A sheet of the menu icons and cursors as they will be seen: the icons on the
// menu's background and highlight colours at 32 and at 24 pixels (the menu's
// size), the cursors on water and on white with their hot spot marked, and
// each enlarged three times with its resource id under it.
#include <algorithm>
#include <iterator>
#include <string>

#include "art/MenuArt.h"
#include "core/interaction/MenuCommands.h"
#include "core/resources/ResourceTable.h"

namespace {
constexpr int kMargin = 8;
constexpr int kZoom = 3;
constexpr int kIconStep = 120;
constexpr int kCursorStep = 108;
constexpr int kDigitScale = 2;

const Rgb kSheet = FromHex(0x404040);
const Rgb kMenuColours[] = {FromHex(0xDBD8D1), FromHex(0xF9F8F7), FromHex(0xB1B9CF)};
const Rgb kWater = FromHex(0x1F6FA6);
const Rgb kWhite = FromHex(0xFFFFFF);
const Rgb kMarker = FromHex(0xFF2A2A);

void FillRect(Canvas& sheet, int x, int y, int width, int height, const Rgb& colour) {
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) sheet.Blend(column, row, colour, 1.0f);
    }
}

// A resource id in a 3 x 5 pixel figure font, enlarged; returns its height.
int WriteNumber(Canvas& sheet, int x, int y, int number) {
    static const char* const kFigures[10] = {
        "111101101101111", "010110010010111", "111001111100111", "111001111001111",
        "101101111001001", "111100111001111", "111100111101111", "111001001001001",
        "111101111101111", "111101111001111"};
    for (char figure : std::to_string(number)) {
        const char* bits = kFigures[figure - '0'];
        for (int i = 0; i < 15; ++i) {
            if (bits[i] == '1') {
                FillRect(sheet, x + (i % 3) * kDigitScale, y + (i / 3) * kDigitScale, kDigitScale,
                         kDigitScale, FromHex(0xE0E0E0));
            }
        }
        x += 4 * kDigitScale;
    }
    return 5 * kDigitScale;
}

// Four short red arms pointing at the hot spot (x, y), leaving it clear.
void MarkHotSpot(Canvas& sheet, int x, int y) {
    FillRect(sheet, x - 7, y - 1, 5, 2, kMarker);
    FillRect(sheet, x + 3, y - 1, 5, 2, kMarker);
    FillRect(sheet, x - 1, y - 7, 2, 5, kMarker);
    FillRect(sheet, x - 1, y + 3, 2, 5, kMarker);
}
}  // namespace

Canvas PaintMenuSheet() {
    const int width = kMargin + std::max(static_cast<int>(kMenuCommandCount) * kIconStep,
                                         static_cast<int>(kModeCursorCount) * kCursorStep);
    const int iconsHeight = kZoom * 32 + 10 + 6 + 36 + 4 + 28 + 2 * kMargin;
    const int cursorsHeight = 8 + kZoom * 32 + 10 + 6 + 8 + 44 + 2 * kMargin;
    Canvas sheet(width, iconsHeight + cursorsHeight, kSheet);

    int x = kMargin;
    for (int id : MenuIconIds()) {
        const RgbaCanvas icon = PaintMenuIcon(id);
        const RgbaCanvas small = Shrink(icon, 24, 24);
        int y = kMargin;
        FillRect(sheet, x + 9, y, kZoom * 32, kZoom * 32, kMenuColours[0]);
        sheet.Composite(icon, x + 9, y, kZoom);
        y += kZoom * 32 + 4;
        y += WriteNumber(sheet, x + 9, y, id) + 6;
        for (int i = 0; i < 3; ++i) {
            const int swatchX = x + i * 39;
            FillRect(sheet, swatchX, y, 36, 36, kMenuColours[i]);
            sheet.Composite(icon, swatchX + 2, y + 2);
            FillRect(sheet, swatchX + 4, y + 40, 28, 28, kMenuColours[i]);
            sheet.Composite(small, swatchX + 6, y + 42);
        }
        x += kIconStep;
    }

    x = kMargin;
    for (int id : ModeCursorIds()) {
        const RgbaCanvas cursor = PaintModeCursor(id);
        int y = iconsHeight + 8;
        FillRect(sheet, x + 8, y, kZoom * 32, kZoom * 32, kWater);
        const CursorHotSpot point = CursorHotSpotOf(id);
        sheet.Composite(cursor, x + 8, y, kZoom);
        MarkHotSpot(sheet, x + 8 + kZoom * point.x + kZoom / 2, y + kZoom * point.y + kZoom / 2);
        y += kZoom * 32 + 4;
        y += WriteNumber(sheet, x + 8, y, id) + 6;
        for (int i = 0; i < 2; ++i) {
            const int swatchX = x + i * 50;
            FillRect(sheet, swatchX, y, 48, 52, i == 0 ? kWater : kWhite);
            sheet.Composite(cursor, swatchX + 10, y + 10);
            MarkHotSpot(sheet, swatchX + 10 + point.x, y + 10 + point.y);
        }
        x += kCursorStep;
    }
    return sheet;
}
