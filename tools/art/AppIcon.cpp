// The desktop icon, drawn like the menu art from signed distances in a 32 x 32
// design space and scaled to each size. It must read at 16 pixels on a light or
// a dark panel: one big fish, a dark rim around the badge, few small details.
#include "art/AppIcon.h"

#include <algorithm>
#include <cmath>

#include "art/MenuSubjects.h"
#include "art/Shapes.h"

namespace {
constexpr float kCentre = 16.0f;
constexpr float kRadius = 15.0f;

float Badge(float x, float y) {
    return EllipseDistance(x, y, kCentre, kCentre, kRadius, kRadius);
}

// The shape cut to the inside of the badge's water.
Pen::Distance InWater(const Pen::Distance& shape) {
    return [shape](float x, float y) { return std::max(shape(x, y), Badge(x, y) + 1.2f); };
}

void DrawWater(Pen& pen) {
    pen.Fill(Badge, FromHex(0x0A2A4A));
    pen.Fill(InWater([](float, float) { return -1.0f; }), [](float x, float y) {
        const Rgb deep = Mix(FromHex(0x7FD8F4), FromHex(0x0E4E9C), SmoothStep(3.0f, 28.0f, y));
        return Mix(deep, FromHex(0xFFFFFF),
                   0.18f * SmoothStep(9.0f, 0.0f, std::hypot(x - 10.0f, y - 7.0f)));
    });
    // Sand along the bottom and one weed, so it is a tank and not a bowl of sky.
    pen.Fill(InWater([](float x, float y) { return 25.2f + 0.8f * std::sin(x * 0.6f) - y; }),
             FromHex(0xE8C476));
    pen.Fill(InWater([](float x, float y) {
                 return std::min(CapsuleDistance(x, y, 7.4f, 27.0f, 6.4f, 19.5f, 0.9f),
                                 CapsuleDistance(x, y, 8.6f, 27.0f, 9.8f, 21.0f, 0.8f));
             }),
             FromHex(0x2E9E46));
    for (const Point& bubble : {Point{24.6f, 9.2f}, Point{22.4f, 5.4f}}) {
        const float r = bubble.y < 7.0f ? 1.0f : 1.4f;
        pen.Fill(
            [&](float x, float y) {
                return std::fabs(EllipseDistance(x, y, bubble.x, bubble.y, r, r)) - 0.38f;
            },
            FromHex(0xFFFFFF), 0.9f);
    }
}

void DrawFriendlyFish(Pen& pen) {
    const Rgb ink = FromHex(0x7A2E00);
    auto body = [](float x, float y) { return EllipseDistance(x, y, 16.6f, 16.4f, 8.4f, 6.6f); };
    auto tail = [](float x, float y) {
        return PolygonDistance(x, y, {{9.6f, 16.4f}, {3.6f, 10.8f}, {5.4f, 16.4f}, {3.6f, 22.0f}});
    };
    auto dorsal = [](float x, float y) {
        return PolygonDistance(x, y, {{12.0f, 11.0f}, {15.4f, 6.6f}, {20.6f, 10.6f}});
    };
    auto fins = [&](float x, float y) { return std::min(tail(x, y), dorsal(x, y)); };
    pen.Fill([&](float x, float y) { return std::min(body(x, y), fins(x, y)) - 0.9f; }, ink);
    pen.Fill(fins, FromHex(0xFF9A2E));
    pen.Fill(body, [](float x, float y) {
        const float t = std::clamp(((x - 16.6f) + (y - 16.4f)) / 14.0f, -1.0f, 1.0f);
        const Rgb base = FromHex(0xFF8418);
        return t < 0.0f ? Mix(base, FromHex(0xFFD27A), -t * 0.8f)
                        : Mix(base, FromHex(0xC24A00), t * 0.7f);
    });
    // A white band behind the head, curved like the gill and edged in ink.
    auto band = [&](float x, float y) {
        const float arc = std::fabs(EllipseDistance(x, y, 22.6f, 16.4f, 8.6f, 8.6f)) - 1.3f;
        return std::max(arc, body(x, y) + 0.4f);
    };
    pen.Fill([&](float x, float y) { return band(x, y) - 0.45f; }, ink, 0.8f);
    pen.Fill(band, FromHex(0xFFF8EE));
    // A big eye looking ahead, with a glint, and a smile.
    pen.Fill([](float x, float y) { return EllipseDistance(x, y, 20.2f, 14.4f, 2.7f, 2.7f); },
             FromHex(0xFFFFFF));
    pen.Fill([](float x, float y) { return EllipseDistance(x, y, 20.9f, 14.6f, 1.55f, 1.55f); },
             FromHex(0x14161C));
    pen.Fill([](float x, float y) { return EllipseDistance(x, y, 21.5f, 13.9f, 0.6f, 0.6f); },
             FromHex(0xFFFFFF));
    pen.Fill(
        [](float x, float y) {
            const float arc = std::fabs(EllipseDistance(x, y, 21.4f, 16.6f, 2.6f, 2.2f)) - 0.5f;
            return std::max(arc, 17.4f - y);
        },
        ink);
}
}  // namespace

RgbaCanvas PaintAppIcon(int size) {
    RgbaCanvas icon(size, size);
    Pen pen(icon, Pose{0.0f, 0.0f, 0.0f, size / 32.0f, 0.0f, 0.0f});
    DrawWater(pen);
    DrawFriendlyFish(pen);
    return icon;
}
