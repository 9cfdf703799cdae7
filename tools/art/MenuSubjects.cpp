// The subjects of the menu icons and cursors, built from signed distances so
// every edge is anti-aliased at any pose. They are shown at 24 and 32 pixels:
// bold shapes, few details, a darker rim on everything.
#include "art/MenuSubjects.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "art/Shapes.h"
#include "core/Angles.h"

namespace {
constexpr float kPi = 3.14159265f;

float Union(float a, float b) {
    return std::min(a, b);
}
float Ring(float circle, float halfWidth) {
    return std::fabs(circle) - halfWidth;
}

// A stroke through `points` whose half width runs from `from` to `to`.
float TaperedStroke(float x, float y, const std::vector<Point>& points, float from, float to) {
    float d = 1e30f;
    const std::size_t segments = points.size() - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const float t = (i + 0.5f) / segments;
        d = Union(d, CapsuleDistance(x, y, points[i].x, points[i].y, points[i + 1].x,
                                     points[i + 1].y, from + (to - from) * t));
    }
    return d;
}

// Light from the top left: `base` brighter up and left of (cx, cy), darker down
// and right, fully so `radius` units away.
Pen::Colour Lit(const Rgb& base, float cx, float cy, float radius, float strength = 0.35f) {
    return [=](float x, float y) {
        const float t = std::clamp(((x - cx) + (y - cy)) / (2.0f * radius), -1.0f, 1.0f);
        return t < 0.0f ? Mix(base, FromHex(0xFFFFFF), -t * strength)
                        : Mix(base, FromHex(0x000000), t * strength);
    };
}
}  // namespace

Pen::Pen(RgbaCanvas& canvas, const Pose& pose)
    : canvas_(canvas),
      pose_(pose),
      cos_(std::cos(DegreesToRadians(pose.degrees))),
      sin_(std::sin(DegreesToRadians(pose.degrees))) {}

void Pen::Fill(const Distance& distance, const Colour& colour, float opacity) {
    // Back from the picture to the design space; turning keeps distances, the
    // scale multiplies them.
    auto design = [this](float px, float py, float& x, float& y) {
        const float rx = px - pose_.pivotX - pose_.dx;
        const float ry = py - pose_.pivotY - pose_.dy;
        x = pose_.pivotX + (cos_ * rx + sin_ * ry) / pose_.scale;
        y = pose_.pivotY + (-sin_ * rx + cos_ * ry) / pose_.scale;
    };
    FillShape(
        canvas_, 0, 0, canvas_.Width(), canvas_.Height(),
        [&](float px, float py) {
            float x, y;
            design(px, py, x, y);
            return distance(x, y) * pose_.scale;
        },
        [&](float px, float py) {
            float x, y;
            design(px, py, x, y);
            return colour(x, y);
        },
        opacity);
}

void Pen::Fill(const Distance& distance, const Rgb& colour, float opacity) {
    Fill(
        distance, [colour](float, float) { return colour; }, opacity);
}

void Pen::FillOutlined(const Distance& distance, const Colour& colour, const Rgb& edge,
                       float width) {
    Fill([&](float x, float y) { return distance(x, y) - width; }, edge);
    Fill(distance, colour);
}

void Pen::FillOutlined(const Distance& distance, const Rgb& colour, const Rgb& edge, float width) {
    FillOutlined(
        distance, [colour](float, float) { return colour; }, edge, width);
}

void DrawNet(Pen& pen, bool scooping) {
    const float cx = 12.5f, cy = 12.5f, r = 9.6f;
    auto hoop = [=](float x, float y) { return EllipseDistance(x, y, cx, cy, r, r); };
    // Handle first, so the hoop's rim covers its end.
    auto handle = [=](float x, float y) {
        return CapsuleDistance(x, y, 19.0f, 19.0f, 28.8f, 28.8f, 1.9f);
    };
    pen.FillOutlined(handle, Lit(FromHex(0xA8703A), 24.0f, 24.0f, 3.0f, 0.5f), FromHex(0x3A2410),
                     0.8f);
    // The pocket: a pale veil and a diagonal mesh, inside the hoop.
    pen.Fill(hoop, scooping ? FromHex(0xB03030) : FromHex(0xFFF0EA), scooping ? 0.55f : 0.45f);
    auto mesh = [=](float x, float y) {
        const float spacing = 4.4f;
        const float u = (x + y) * 0.70710678f;
        const float v = (x - y) * 0.70710678f;
        const float du = std::fabs(u - spacing * std::round(u / spacing));
        const float dv = std::fabs(v - spacing * std::round(v / spacing));
        return std::max(std::min(du, dv) - 0.55f, hoop(x, y));
    };
    pen.Fill(mesh, scooping ? FromHex(0x7A1414) : FromHex(0xC42A2A));
    auto rim = [=](float x, float y) { return Ring(hoop(x, y), 1.45f); };
    pen.FillOutlined(rim, Lit(FromHex(0xE03030), cx, cy, r, 0.45f), FromHex(0x6A0C0C), 0.75f);
}

void DrawFoodPacket(Pen& pen) {
    const Rgb navy = FromHex(0x0E2456);
    // Rounded body with a crimped seal along the top.
    auto body = [](float x, float y) { return BoxDistance(x, y, 16.0f, 18.5f, 8.6f, 10.5f, 2.2f); };
    auto cylinder = [](float x, float) {
        const float t = std::clamp((x - 16.0f) / 8.6f, -1.0f, 1.0f);
        const Rgb mid = FromHex(0x2F74E6);
        return t < -0.3f ? Mix(mid, FromHex(0x8FBCFF), (-0.3f - t) * 0.9f)
                         : Mix(mid, FromHex(0x153C94), std::max(0.0f, t - 0.1f));
    };
    auto seal = [](float x, float y) {
        const float teeth = 3.0f + std::fabs(std::fmod(x + 30.0f, 2.4f) - 1.2f) * 0.9f;
        return std::max(BoxDistance(x, y, 16.0f, 6.5f, 8.6f, 3.5f), teeth - y);
    };
    pen.FillOutlined([&](float x, float y) { return Union(body(x, y), seal(x, y)); }, cylinder,
                     navy, 0.9f);
    pen.Fill(seal, [](float x, float) {
        return std::fmod(x + 30.0f, 2.4f) < 1.2f ? FromHex(0xB8D4FF) : FromHex(0x86B0F0);
    });
    pen.Fill(
        [](float x, float y) {
            return std::max(std::fabs(y - 9.6f) - 0.45f, std::fabs(x - 16.0f) - 8.6f);
        },
        navy, 0.8f);
    // The label: a white oval with an orange fish.
    auto label = [](float x, float y) { return EllipseDistance(x, y, 16.0f, 18.5f, 6.4f, 6.0f); };
    pen.Fill(label, FromHex(0xFAFAF4));
    pen.Fill([](float x,
                float y) { return Ring(EllipseDistance(x, y, 16.0f, 18.5f, 6.4f, 6.0f), 0.35f); },
             FromHex(0x0E2456), 0.6f);
    auto fish = [](float x, float y) {
        const float bodyShape = EllipseDistance(x, y, 15.0f, 18.5f, 3.6f, 2.5f);
        const float tail = PolygonDistance(x, y, {{17.6f, 18.5f}, {20.6f, 16.0f}, {20.6f, 21.0f}});
        return Union(bodyShape, tail);
    };
    pen.FillOutlined(fish, FromHex(0xFF8A1A), FromHex(0x8A3A00), 0.5f);
    pen.Fill([](float x, float y) { return EllipseDistance(x, y, 13.3f, 17.9f, 0.7f, 0.7f); },
             FromHex(0x1A1A1A));
}

void DrawFallingFood(Pen& pen, float x, float y) {
    // Each pellet further down and a little further out, as poured food spreads.
    const struct {
        float dx, dy, r;
        std::uint32_t colour;
    } pellets[] = {{0.5f, 2.5f, 1.5f, 0xC06A2A},
                   {-1.2f, 6.6f, 1.4f, 0x8A4A1C},
                   {1.6f, 10.2f, 1.5f, 0xD88A3A},
                   {-0.6f, 14.4f, 1.4f, 0x9A5222},
                   {2.2f, 18.0f, 1.3f, 0xC06A2A}};
    for (const auto& p : pellets) {
        pen.FillOutlined(
            [&](float px, float py) {
                return EllipseDistance(px, py, x + p.dx, y + p.dy, p.r, p.r);
            },
            FromHex(p.colour), FromHex(0x2A1406), 0.6f);
    }
}

void DrawOctopus(Pen& pen, float wave) {
    const Rgb ink = FromHex(0x34104E);
    const Rgb purple = FromHex(0x8E44CC);
    // Eight arms would blur at 24 pixels: six, splaying out and waving.
    std::vector<std::vector<Point>> arms;
    for (int i = 0; i < 6; ++i) {
        const float side = i - 2.5f;
        const float phase = i * 1.3f + wave * 2.0f * kPi;
        std::vector<Point> arm;
        for (int k = 0; k <= 6; ++k) {
            const float t = k / 6.0f;
            const float x =
                16.0f + side * 2.6f + side * 2.4f * t + 1.1f * t * std::sin(t * 1.6f * kPi + phase);
            arm.push_back({x, 17.0f + t * 12.0f});
        }
        arms.push_back(arm);
    }
    auto armsShape = [&](float x, float y) {
        float d = 1e30f;
        for (const auto& arm : arms) d = Union(d, TaperedStroke(x, y, arm, 1.7f, 0.7f));
        return d;
    };
    auto head = [](float x, float y) {
        return Union(EllipseDistance(x, y, 16.0f, 11.0f, 9.2f, 8.6f),
                     EllipseDistance(x, y, 16.0f, 17.0f, 8.2f, 4.2f));
    };
    auto shade = Lit(purple, 13.0f, 10.0f, 10.0f, 0.45f);
    pen.Fill([&](float x, float y) { return Union(armsShape(x, y), head(x, y)) - 0.9f; }, ink);
    pen.Fill(armsShape, shade);
    pen.Fill(head, shade);
    // Pale spots on the crown, then the eyes.
    for (const Point& spot : {Point{11.8f, 6.8f}, Point{19.5f, 5.8f}, Point{16.0f, 4.2f}}) {
        pen.Fill(
            [&](float x, float y) { return EllipseDistance(x, y, spot.x, spot.y, 1.1f, 1.0f); },
            FromHex(0xC9A0F0), 0.8f);
    }
    for (float eyeX : {12.4f, 19.6f}) {
        pen.FillOutlined(
            [=](float x, float y) { return EllipseDistance(x, y, eyeX, 12.6f, 2.6f, 3.0f); },
            FromHex(0xFFFFFF), ink, 0.5f);
        pen.Fill([=](float x,
                     float y) { return EllipseDistance(x, y, eyeX + 0.5f, 13.4f, 1.35f, 1.6f); },
                 FromHex(0x141018));
        pen.Fill([=](float x,
                     float y) { return EllipseDistance(x, y, eyeX - 0.3f, 12.3f, 0.55f, 0.55f); },
                 FromHex(0xFFFFFF));
    }
}

void DrawMagnifier(Pen& pen, bool plus) {
    const float cx = 12.5f, cy = 12.5f, r = 9.0f;
    const Rgb ink = FromHex(0x1C2028);
    auto handle = [](float x, float y) {
        return CapsuleDistance(x, y, 20.5f, 20.5f, 28.4f, 28.4f, 2.6f);
    };
    pen.FillOutlined(handle, Lit(FromHex(0x3A3F4A), 24.0f, 24.0f, 3.0f, 0.6f), ink, 0.7f);
    auto neck = [](float x, float y) {
        return CapsuleDistance(x, y, 18.6f, 18.6f, 21.0f, 21.0f, 1.8f);
    };
    pen.FillOutlined(neck, FromHex(0xA8B0BA), ink, 0.6f);
    auto lens = [=](float x, float y) { return EllipseDistance(x, y, cx, cy, r, r); };
    pen.Fill(
        lens,
        [=](float x, float y) {
            return Mix(FromHex(0xEAF8FF), FromHex(0x9CD4F0),
                       SmoothStep(-r, r, (x - cx) + (y - cy)));
        },
        0.8f);
    // A glint on the glass, top left.
    pen.Fill(
        [=](float x, float y) {
            return std::max(Ring(EllipseDistance(x, y, cx, cy, r - 3.0f, r - 3.0f), 0.7f),
                            (x - cx) + (y - cy) + 5.0f);
        },
        FromHex(0xFFFFFF), 0.9f);
    auto rim = [=](float x, float y) { return Ring(lens(x, y), 1.5f); };
    pen.FillOutlined(rim, Lit(FromHex(0xA0A8B4), cx, cy, r, 0.55f), ink, 0.7f);
    // The sign, bold enough to read at 24 pixels.
    const float arm = 5.2f, half = 1.45f;
    auto sign = [=](float x, float y) {
        const float bar = BoxDistance(x, y, cx, cy, arm, half, 0.4f);
        return plus ? Union(bar, BoxDistance(x, y, cx, cy, half, arm, 0.4f)) : bar;
    };
    if (plus) {
        pen.FillOutlined(sign, FromHex(0xE82020), FromHex(0x6A0808), 0.6f);
    } else {
        pen.FillOutlined(sign, FromHex(0x1EAA3A), FromHex(0x0A4A16), 0.6f);
    }
}

void DrawFish(Pen& pen) {
    const Rgb ink = FromHex(0x262B31);
    const Rgb fin = FromHex(0x7C858F);
    auto body = [](float x, float y) { return EllipseDistance(x, y, 14.0f, 16.0f, 11.0f, 7.4f); };
    auto tail = [](float x, float y) {
        return PolygonDistance(x, y,
                               {{22.0f, 16.0f}, {30.4f, 8.4f}, {28.0f, 16.0f}, {30.4f, 23.6f}});
    };
    auto dorsal = [](float x, float y) {
        return PolygonDistance(x, y, {{9.0f, 10.0f}, {15.5f, 4.4f}, {20.5f, 10.5f}});
    };
    auto belly = [](float x, float y) {
        return PolygonDistance(x, y, {{12.0f, 21.5f}, {15.0f, 26.0f}, {17.5f, 21.5f}});
    };
    pen.Fill(
        [&](float x, float y) {
            return Union(Union(body(x, y), tail(x, y)), Union(dorsal(x, y), belly(x, y))) - 0.9f;
        },
        ink);
    pen.Fill(tail, fin);
    pen.Fill(dorsal, fin);
    pen.Fill(belly, fin);
    pen.Fill(body, [](float, float y) {
        const float t = (y - 8.6f) / 14.8f;
        return t < 0.55f ? Mix(FromHex(0x68717C), FromHex(0xB4BCC4), t / 0.55f)
                         : Mix(FromHex(0xB4BCC4), FromHex(0xE4E8EC), (t - 0.55f) / 0.45f);
    });
    // Gill line, eye, mouth.
    pen.Fill(
        [](float x, float y) {
            return std::max(Ring(EllipseDistance(x, y, 6.0f, 16.0f, 6.5f, 6.5f), 0.45f), 6.0f - x);
        },
        FromHex(0x59616B));
    pen.FillOutlined(
        [](float x, float y) { return EllipseDistance(x, y, 7.6f, 14.2f, 2.3f, 2.3f); },
        FromHex(0xFFFFFF), ink, 0.4f);
    pen.Fill([](float x, float y) { return EllipseDistance(x, y, 7.2f, 14.3f, 1.3f, 1.3f); },
             FromHex(0x101010));
    pen.Fill(
        [](float x, float y) { return CapsuleDistance(x, y, 3.4f, 17.6f, 5.4f, 17.4f, 0.45f); },
        ink);
}

void DrawNote(Pen& pen) {
    const Rgb ink = FromHex(0x8A3C00);
    auto head = [](float x, float y) {
        // A tilted oval: turn the point into the oval's own frame.
        const float a = DegreesToRadians(-25.0f);
        const float rx = x - 11.2f, ry = y - 24.2f;
        return EllipseDistance(std::cos(a) * rx + std::sin(a) * ry,
                               -std::sin(a) * rx + std::cos(a) * ry, 0.0f, 0.0f, 5.6f, 3.9f);
    };
    auto stem = [](float x, float y) { return BoxDistance(x, y, 15.6f, 14.0f, 1.25f, 10.0f); };
    const std::vector<Point> flagPath = {
        {15.8f, 5.0f}, {19.4f, 8.0f}, {22.6f, 11.2f}, {23.4f, 15.0f}, {21.6f, 19.6f}};
    auto flag = [&](float x, float y) { return TaperedStroke(x, y, flagPath, 1.9f, 0.9f); };
    auto note = [&](float x, float y) { return Union(Union(head(x, y), stem(x, y)), flag(x, y)); };
    pen.FillOutlined(note, Lit(FromHex(0xFF8C1A), 12.0f, 16.0f, 10.0f, 0.3f), ink, 0.9f);
    pen.Fill([](float x, float y) { return EllipseDistance(x, y, 9.4f, 22.9f, 1.6f, 0.9f); },
             FromHex(0xFFD6A0), 0.9f);
}

void DrawAquarium(Pen& pen) {
    const Rgb ink = FromHex(0x1E232B);
    auto frame = [](float x, float y) {
        return BoxDistance(x, y, 16.0f, 16.0f, 14.5f, 11.5f, 2.2f);
    };
    auto water = [](float x, float y) {
        return BoxDistance(x, y, 16.0f, 16.5f, 12.2f, 9.0f, 0.6f);
    };
    pen.FillOutlined(frame, Lit(FromHex(0x7A5434), 16.0f, 16.0f, 14.0f, 0.4f), ink, 0.8f);
    pen.Fill(water, [](float, float y) {
        return Mix(FromHex(0x7FD4F6), FromHex(0x1C62B4), SmoothStep(8.0f, 25.0f, y));
    });
    pen.Fill([&](float x, float y) { return std::max(water(x, y), std::fabs(y - 8.9f) - 0.5f); },
             FromHex(0xE8FAFF), 0.85f);
    auto sand = [&](float x, float y) {
        return std::max(water(x, y), 22.2f + 0.9f * std::sin(x * 0.55f) - y);
    };
    pen.Fill(sand, FromHex(0xE6C170));
    // A weed on the left, its blades bending.
    for (const auto& blade : {std::vector<Point>{{7.0f, 24.0f}, {6.2f, 19.0f}, {7.6f, 14.5f}},
                              std::vector<Point>{{8.4f, 24.0f}, {9.6f, 19.5f}, {8.8f, 16.0f}}}) {
        pen.Fill([&](float x, float y) { return TaperedStroke(x, y, blade, 1.1f, 0.6f); },
                 FromHex(0x2FA040));
    }
    auto fish = [](float x, float y) {
        return Union(EllipseDistance(x, y, 17.5f, 15.5f, 4.6f, 3.1f),
                     PolygonDistance(x, y, {{21.0f, 15.5f}, {24.6f, 12.4f}, {24.6f, 18.6f}}));
    };
    pen.FillOutlined(fish, FromHex(0xFF8A1A), FromHex(0x7A3000), 0.6f);
    pen.Fill([](float x, float y) { return EllipseDistance(x, y, 15.2f, 14.8f, 0.75f, 0.75f); },
             FromHex(0x101010));
    for (const Point& bubble : {Point{13.0f, 11.8f}, Point{11.6f, 9.9f}}) {
        pen.Fill(
            [&](float x, float y) {
                return Ring(EllipseDistance(x, y, bubble.x, bubble.y, 1.0f, 1.0f), 0.35f);
            },
            FromHex(0xFFFFFF), 0.9f);
    }
}

void DrawExitButton(Pen& pen) {
    auto button = [](float x, float y) {
        return BoxDistance(x, y, 16.0f, 16.0f, 15.5f, 9.2f, 4.0f);
    };
    pen.Fill(button, [](float, float y) {
        return Mix(FromHex(0x62D86E), FromHex(0x178A2A), SmoothStep(7.0f, 25.0f, y));
    });
    pen.Fill([&](float x, float y) { return Ring(button(x, y) + 0.55f, 0.55f); },
             FromHex(0x0A4212));
    // Gloss on the upper half.
    pen.Fill([](float x, float y) { return BoxDistance(x, y, 16.0f, 11.0f, 13.2f, 3.0f, 2.6f); },
             FromHex(0xFFFFFF), 0.22f);
    // E, X, I, T as strokes on a cap height of 9 units.
    const float top = 11.5f, mid = 16.0f, bottom = 20.5f, r = 1.05f;
    const struct {
        float x0, y0, x1, y1;
    } strokes[] = {
        {4.3f, top, 4.3f, bottom},    {4.3f, top, 8.3f, top},      {4.3f, mid, 7.7f, mid},
        {4.3f, bottom, 8.3f, bottom}, {11.2f, top, 15.8f, bottom}, {15.8f, top, 11.2f, bottom},
        {19.3f, top, 19.3f, bottom},  {22.7f, top, 27.8f, top},    {25.25f, top, 25.25f, bottom},
    };
    auto letters = [&](float x, float y) {
        float d = 1e30f;
        for (const auto& s : strokes)
            d = Union(d, CapsuleDistance(x, y, s.x0, s.y0, s.x1, s.y1, r));
        return d;
    };
    pen.Fill([&](float x, float y) { return letters(x - 0.7f, y - 0.8f); }, FromHex(0x06320E),
             0.6f);
    pen.Fill(letters, FromHex(0xFFFFFF));
}

void DrawSliders(Pen& pen) {
    const Rgb ink = FromHex(0x1E232B);
    auto panel = [](float x, float y) {
        return BoxDistance(x, y, 16.0f, 16.0f, 14.0f, 13.0f, 3.0f);
    };
    pen.FillOutlined(panel, Lit(FromHex(0x8C99AD), 12.0f, 10.0f, 16.0f, 0.4f), ink, 0.8f);
    const struct {
        float x, knobY;
        Rgb colour;
    } sliders[] = {{9.0f, 20.0f, FromHex(0xFF8A1A)},
                   {16.0f, 11.0f, FromHex(0x2FA0E0)},
                   {23.0f, 16.5f, FromHex(0x3CC05A)}};
    for (const auto& slider : sliders) {
        // The groove, then the knob across it.
        pen.Fill(
            [&](float x, float y) {
                return CapsuleDistance(x, y, slider.x, 7.0f, slider.x, 25.0f, 0.9f);
            },
            FromHex(0x202830));
        auto knob = [&](float x, float y) {
            return BoxDistance(x, y, slider.x, slider.knobY, 3.2f, 1.9f, 0.9f);
        };
        pen.FillOutlined(knob, Lit(slider.colour, slider.x - 1.0f, slider.knobY - 1.0f, 3.5f, 0.5f),
                         ink, 0.6f);
    }
}
