// Which subject in which pose makes each menu icon and cursor.
#include "art/MenuArt.h"

#include <algorithm>
#include <cmath>

#include "art/MenuSubjects.h"

namespace {
// A dark ring about one pixel wide around everything painted: each pixel takes
// the strongest alpha of its neighbours, weighted by how near they are.
RgbaCanvas WithDarkOutline(const RgbaCanvas& picture) {
    RgbaCanvas out(picture.Width(), picture.Height());
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            float alpha = 0.0f;
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= picture.Width() || ny >= picture.Height()) {
                        continue;
                    }
                    const float weight =
                        std::clamp(2.0f - std::hypot(float(dx), float(dy)), 0.0f, 1.0f);
                    alpha = std::max(alpha, picture.AlphaAt(nx, ny) * weight);
                }
            }
            out.Blend(x, y, FromHex(0x0C1014), alpha * 0.92f);
        }
    }
    out.Composite(picture, 0, 0);
    return out;
}
}  // namespace

RgbaCanvas PaintMenuIcon(int id) {
    RgbaCanvas icon(kMenuArtSize, kMenuArtSize);
    Pen pen(icon, Pose{});
    switch (id) {
        case 137:
            DrawNet(pen, false);
            break;
        case 133:
            DrawFoodPacket(pen);
            break;
        case 160:
            DrawOctopus(pen, 0.0f);
            break;
        case 134:
            DrawMagnifier(pen, true);
            break;
        case 135:
            DrawMagnifier(pen, false);
            break;
        case 180:
            DrawFish(pen);
            break;
        case 253:
            DrawNote(pen);
            break;
        case 232:
            DrawAquarium(pen);
            break;
        case 271:
            DrawSliders(pen);
            break;
        case 175:
            DrawExitButton(pen);
            break;
        default:
            break;
    }
    return icon;
}

RgbaCanvas PaintModeCursor(int id) {
    // Each subject keeps its business end (hoop, lens, opening, head) near the
    // top-left corner, so the picture trails down and right from the point the
    // pointer acts at (CursorHotSpotOf); the pressed look of each pair moves a
    // little so a press is seen.
    RgbaCanvas cursor(kMenuArtSize, kMenuArtSize);
    const float hoop = 12.5f;  // the net's and the magnifier's centre in design units
    switch (id) {
        case 154: {
            Pen pen(cursor, Pose{0.3f, 0.3f, 0.0f, 0.94f, hoop, hoop});
            DrawNet(pen, false);
            break;
        }
        case 155: {
            Pen pen(cursor, Pose{-0.5f, -0.5f, 14.0f, 0.85f, hoop, hoop});
            DrawNet(pen, true);
            break;
        }
        case 158: {
            Pen pen(cursor, Pose{1.0f, 0.0f, 0.0f, 0.88f, 0.0f, 0.0f});
            DrawOctopus(pen, 0.0f);
            break;
        }
        case 159: {
            Pen pen(cursor, Pose{2.5f, 1.5f, 0.0f, 0.88f, 0.0f, 0.0f});
            DrawOctopus(pen, 0.5f);
            break;
        }
        case 163: {
            Pen pen(cursor, Pose{-4.0f, 0.0f, 0.0f, 0.85f, 0.0f, 0.0f});
            DrawFoodPacket(pen);
            break;
        }
        case 164: {
            Pen pen(cursor, Pose{-1.8f, -6.0f, -100.0f, 0.8f, 16.0f, 16.0f});
            DrawFoodPacket(pen);
            Pen straight(cursor, Pose{});
            DrawFallingFood(straight, 4.0f, 11.5f);
            break;
        }
        case 167:
        case 169: {
            Pen pen(cursor, Pose{-0.3f, -0.3f, 0.0f, 0.9f, hoop, hoop});
            DrawMagnifier(pen, id == 167);
            break;
        }
        case 177:
        case 178: {
            Pen pen(cursor, Pose{-1.0f, -1.0f, 20.0f, 0.8f, hoop, hoop});
            DrawMagnifier(pen, id == 177);
            break;
        }
        default:
            return cursor;
    }
    return WithDarkOutline(cursor);
}
