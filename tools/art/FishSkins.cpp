// Ten fish species painted into the shared skin layout (fish/SkinLayout.h):
// flank, fin membrane, jaw, eye and tail fin, each in its own region.
#include <algorithm>
#include <cmath>

#include "art/Noise.h"
#include "art/Painters.h"
#include "art/Shapes.h"
#include "core/fish/SkinLayout.h"

namespace {
constexpr float kPi = 3.14159265f;

struct Species {
    Rgb back, flank, belly;  // dorsal ridge, mid flank, belly
    Rgb fin, finEdge;        // fin membrane at the root and at the free edge
    Rgb tail, tailEdge;
    Rgb iris;
    float scaleContrast;  // how strongly the scales show, 0..1
};

const Species kSpecies[kSpeciesCount] = {
    // 0: clownfish, orange with three white bands edged in black.
    {FromHex(0xD9480F), FromHex(0xFF7A1A), FromHex(0xFFA64D), FromHex(0xFF7A1A), FromHex(0x141414),
     FromHex(0xFF7A1A), FromHex(0x141414), FromHex(0xFF9E2C), 0.25f},
    // 1: blue tang, royal blue with a black sweep and a yellow tail.
    {FromHex(0x0E2E9E), FromHex(0x2463E8), FromHex(0x7FB2FF), FromHex(0x1E4FD0), FromHex(0x0A0A30),
     FromHex(0xFFD21F), FromHex(0x1A1A1A), FromHex(0x202020), 0.15f},
    // 2: butterflyfish, yellow with fine diagonal lines, an eye bar and a false eye.
    {FromHex(0xE0A800), FromHex(0xFFE033), FromHex(0xFFF4B0), FromHex(0xFFD21F), FromHex(0x2A2A2A),
     FromHex(0xFFE866), FromHex(0xF5F5F0), FromHex(0xF0F0F0), 0.1f},
    // 3: neon tetra, dark back, glowing blue line, red rear belly, silver front belly.
    {FromHex(0x3A4A3E), FromHex(0x20C8F0), FromHex(0xE8EEF2), FromHex(0xC8D6DC), FromHex(0xF0F4F6),
     FromHex(0xE0383E), FromHex(0xF0E0E0), FromHex(0xD0D8E0), 0.1f},
    // 4: goldfish, glowing orange with big golden scales and a pale long tail.
    {FromHex(0xCC3A08), FromHex(0xFF8A1C), FromHex(0xFFD699), FromHex(0xFF8A30), FromHex(0xFFE8C8),
     FromHex(0xFF7A20), FromHex(0xFFF0DC), FromHex(0x3A3A3A), 0.55f},
    // 5: angelfish, silver with bold black vertical bars.
    {FromHex(0x7C828C), FromHex(0xDADFE6), FromHex(0xF6F8FA), FromHex(0xC8CED6), FromHex(0x202428),
     FromHex(0xD8DDE4), FromHex(0x202428), FromHex(0xD02020), 0.2f},
    // 6: parrotfish, turquoise and green with pink scale edges.
    {FromHex(0x0B7A5E), FromHex(0x22C4A0), FromHex(0x9FEBD6), FromHex(0xF06AA8), FromHex(0x3AD8E8),
     FromHex(0x22B8C8), FromHex(0xF06AA8), FromHex(0xFFD040), 0.8f},
    // 7: tiger barb, gold with four black bars and red fins.
    {FromHex(0xA67A1E), FromHex(0xF2C14E), FromHex(0xFFF0C8), FromHex(0x181818), FromHex(0xE8302A),
     FromHex(0xF0D070), FromHex(0xE8302A), FromHex(0xE83A2A), 0.3f},
    // 8: rainbow trout, olive back, pink band, silver belly, black spots.
    {FromHex(0x56642A), FromHex(0xB8B8A0), FromHex(0xF4F4EE), FromHex(0x9A9A70), FromHex(0xC8B89A),
     FromHex(0x7A805A), FromHex(0xB0A888), FromHex(0xE0C040), 0.3f},
    // 9: royal gramma, violet front fading into a yellow rear.
    {FromHex(0x6A1E9E), FromHex(0xA43ADB), FromHex(0xD090F0), FromHex(0xA43ADB), FromHex(0xFFD21F),
     FromHex(0xFFC61A), FromHex(0xFFE680), FromHex(0x2A2A2A), 0.2f},
};

const Rgb kBlack = FromHex(0x121212);
const Rgb kWhite = FromHex(0xF8F8F8);

// A region of the layout in pixels of the bitmap (y down from the top row).
struct PixelRect {
    int x0, y0, x1, y1;
};

PixelRect ToPixels(const SkinRegion& region) {
    using namespace SkinLayout;
    return {static_cast<int>(std::lround(region.s0 * kWidthPx)),
            static_cast<int>(std::lround((1.0f - region.t1) * kHeightPx)),
            static_cast<int>(std::lround(region.s1 * kWidthPx)),
            static_cast<int>(std::lround((1.0f - region.t0) * kHeightPx))};
}

// 1 on a band of half-width `half` around `centre`, with soft edges.
float Band(float x, float centre, float half, float softness = 0.012f) {
    return 1.0f - SmoothStep(half - softness, half + softness, std::fabs(x - centre));
}

// Scale shading: overlapping rows of round scales, lighter at their centres and
// with a darker rim. Returns -1..1.
float ScaleRelief(float x, float y) {
    const float cellW = 5.0f;
    const float cellH = 4.0f;
    const float row = std::floor(y / cellH);
    const float offset = std::fmod(row, 2.0f) * cellW * 0.5f;
    const float cx = (std::floor((x + offset) / cellW) + 0.5f) * cellW - offset;
    const float cy = (row + 0.5f) * cellH;
    const float d = std::hypot((x - cx) / cellW, (y - cy) / cellH) * 2.0f;
    return 1.0f - 2.0f * SmoothStep(0.55f, 1.0f, d);
}

// The body colour at (u, v) of the flank: u from the snout (0) to the tail
// (1), v from the dorsal ridge (0) to the belly (1).
Rgb BodyBase(const Species& s, float v) {
    return v < 0.5f ? Mix(s.back, s.flank, SmoothStep(0.0f, 0.5f, v))
                    : Mix(s.flank, s.belly, SmoothStep(0.5f, 1.0f, v));
}

Rgb BodyPattern(int species, float u, float v, Rgb c) {
    switch (species) {
        case 0: {
            const float bands[][2] = {{0.2f, 0.055f}, {0.52f, 0.07f}, {0.86f, 0.04f}};
            for (const auto& band : bands) {
                const float centre = band[0] + 0.04f * std::sin(v * kPi) - 0.02f;
                c = Mix(c, kBlack, Band(u, centre, band[1] + 0.022f));
                c = Mix(c, kWhite, Band(u, centre, band[1]));
            }
            return c;
        }
        case 1: {
            // The dark "palette": a ring over the flank enclosing a blue oval,
            // drawn out in a streak to the eye and another to the tail.
            auto inside = [&](float cu, float cv, float ru, float rv) {
                return 1.0f - SmoothStep(0.9f, 1.1f, std::hypot((u - cu) / ru, (v - cv) / rv));
            };
            const float ring =
                inside(0.56f, 0.42f, 0.34f, 0.25f) * (1.0f - inside(0.6f, 0.48f, 0.17f, 0.1f));
            const float toEye = Band(v, 0.34f - 0.1f * (0.3f - u), 0.07f, 0.02f) *
                                SmoothStep(0.1f, 0.15f, u) * (1.0f - SmoothStep(0.3f, 0.35f, u));
            const float toTail = Band(v, 0.44f, 0.06f, 0.02f) * SmoothStep(0.84f, 0.9f, u);
            return Mix(c, kBlack, std::max({ring, toEye, toTail}) * 0.92f);
        }
        case 2: {
            const float lines = Band(std::fmod(u * 9.0f + v * 4.0f, 1.0f), 0.5f, 0.08f, 0.06f);
            c = Mix(c, FromHex(0xC06A10), lines * 0.55f * SmoothStep(0.15f, 0.25f, u));
            c = Mix(c, kBlack, Band(u, 0.12f, 0.035f) * SmoothStep(0.0f, 0.1f, v));
            const float spot = std::hypot((u - 0.76f) * 1.5f, v - 0.3f);
            c = Mix(c, kWhite, Band(spot, 0.0f, 0.13f, 0.02f));
            return Mix(c, kBlack, Band(spot, 0.0f, 0.1f, 0.02f));
        }
        case 3: {
            const float stripe =
                Band(v, 0.4f - 0.05f * u, 0.07f, 0.025f) * (1.0f - SmoothStep(0.8f, 0.9f, u));
            c = Mix(c, FromHex(0x2A3A40), SmoothStep(0.45f, 0.3f, v) * 0.6f);
            c = Mix(c, FromHex(0x30E8FF), stripe);
            const float red = SmoothStep(0.4f, 0.5f, u) * SmoothStep(0.5f, 0.58f, v);
            return Mix(c, FromHex(0xE0283A), red);
        }
        case 4: {
            const float shine = Band(v, 0.45f, 0.12f, 0.1f);
            return Mix(c, FromHex(0xFFC850), shine * 0.4f);
        }
        case 5: {
            const float bars[][2] = {{0.13f, 0.035f}, {0.42f, 0.06f}, {0.72f, 0.05f}};
            for (const auto& bar : bars) {
                c = Mix(c, kBlack, Band(u + 0.06f * (v - 0.5f), bar[0], bar[1], 0.015f) * 0.9f);
            }
            return c;
        }
        case 6: {
            const float stripes = Band(std::fmod(v * 3.0f + u * 0.5f, 1.0f), 0.5f, 0.06f, 0.04f) *
                                  (1.0f - SmoothStep(0.15f, 0.25f, u));
            return Mix(c, FromHex(0xF06AA8), stripes);
        }
        case 7: {
            const float bars[][3] = {{0.1f, 0.035f, 0.0f},
                                     {0.36f, 0.05f, 0.0f},
                                     {0.62f, 0.045f, 0.0f},
                                     {0.9f, 0.035f, 0.0f}};
            for (const auto& bar : bars) {
                const float fade = bar[0] > 0.8f ? 1.0f : SmoothStep(0.95f, 0.75f, v);
                c = Mix(c, kBlack, Band(u, bar[0], bar[1], 0.012f) * fade);
            }
            return c;
        }
        case 8: {
            c = Mix(c, FromHex(0xE8607A), Band(v, 0.52f, 0.08f, 0.06f) * 0.85f);
            const float gx = u * 22.0f;
            const float gy = v * 10.0f;
            const float jitterX = Hash01(static_cast<int>(gx), static_cast<int>(gy), 81) - 0.5f;
            const float jitterY = Hash01(static_cast<int>(gx), static_cast<int>(gy), 82) - 0.5f;
            const float d = std::hypot(gx - std::floor(gx) - 0.5f - jitterX * 0.5f,
                                       (gy - std::floor(gy) - 0.5f - jitterY * 0.5f) * 0.9f);
            const float spots = Band(d, 0.0f, 0.22f, 0.08f) * SmoothStep(0.7f, 0.45f, v);
            return Mix(c, kBlack, spots * 0.85f);
        }
        case 9: {
            const float boundary = 0.5f + 0.05f * std::sin(v * kPi * 2.0f);
            const Rgb rear = Mix(FromHex(0xFFB000), FromHex(0xFFE070), SmoothStep(0.3f, 1.0f, v));
            return Mix(c, rear, SmoothStep(boundary - 0.04f, boundary + 0.04f, u));
        }
        default:
            return c;
    }
}

void PaintBody(Canvas& canvas, int species, const PixelRect& r) {
    const Species& s = kSpecies[species];
    for (int y = r.y0; y < r.y1; ++y) {
        for (int x = r.x0; x < r.x1; ++x) {
            const float u = (x + 0.5f - r.x0) / (r.x1 - r.x0);
            const float v = (y + 0.5f - r.y0) / (r.y1 - r.y0);
            Rgb c = BodyPattern(species, u, v, BodyBase(s, v));
            const float relief = ScaleRelief(static_cast<float>(x), static_cast<float>(y));
            c = Scale(c, 1.0f + 0.12f * s.scaleContrast * relief);
            if (species == 6) c = Mix(c, s.fin, SmoothStep(0.4f, 1.0f, -relief) * 0.45f);
            if (species == 4)
                c = Add(c, Scale(FromHex(0xFFE0A0), 0.12f * SmoothStep(0.6f, 1.0f, relief)));
            // A faint lateral line.
            c = Scale(c, 1.0f - 0.08f * Band(v, 0.42f - 0.06f * std::sin(u * kPi), 0.01f, 0.01f));
            canvas.At(x, y) = c;
        }
    }
}

// Species whose fins carry their own marks.
Rgb FinMarks(int species, float across, float along, Rgb c) {
    switch (species) {
        case 5:
            return Mix(
                c, kBlack,
                Band(std::fmod(along * 3.0f + across * 0.3f, 1.0f), 0.5f, 0.12f, 0.05f) * 0.8f);
        case 8: {
            const float d = std::hypot(std::fmod(across * 3.0f, 1.0f) - 0.5f,
                                       std::fmod(along * 4.0f + across * 0.5f, 1.0f) - 0.5f);
            return Mix(c, kBlack, Band(d, 0.0f, 0.14f, 0.06f) * 0.8f);
        }
        case 7:
            return Mix(c, kBlack, (1.0f - SmoothStep(0.1f, 0.35f, along)) * 0.9f);
        default:
            return c;
    }
}

// Membrane with rays running from the root (along = 0) to the free edge (1).
Rgb FinColour(int species, const Rgb& root, const Rgb& edge, float across, float along,
              float rayPhase) {
    Rgb c = Mix(root, edge, SmoothStep(0.55f, 0.95f, along));
    if (species == 0 || species == 1) c = Mix(root, edge, SmoothStep(0.78f, 0.88f, along));
    c = FinMarks(species, across, along, c);
    const float ray = Band(std::fmod(rayPhase, 1.0f), 0.5f, 0.12f, 0.1f);
    return Scale(c, 1.0f - 0.22f * ray * (1.0f - 0.5f * along));
}

void PaintFin(Canvas& canvas, int species, const PixelRect& r) {
    const Species& s = kSpecies[species];
    for (int y = r.y0; y < r.y1; ++y) {
        for (int x = r.x0; x < r.x1; ++x) {
            const float across = (x + 0.5f - r.x0) / (r.x1 - r.x0);
            const float along = 1.0f - (y + 0.5f - r.y0) / (r.y1 - r.y0);  // root at the bottom
            canvas.At(x, y) = FinColour(species, s.fin, s.finEdge, across, along, across * 5.0f);
        }
    }
}

void PaintTail(Canvas& canvas, int species, const PixelRect& r) {
    const Species& s = kSpecies[species];
    const float rootX = r.x0 - 4.0f;
    const float midY = (r.y0 + r.y1) * 0.5f;
    for (int y = r.y0; y < r.y1; ++y) {
        for (int x = r.x0; x < r.x1; ++x) {
            const float along = (x + 0.5f - r.x0) / (r.x1 - r.x0);
            const float across = (y + 0.5f - r.y0) / (r.y1 - r.y0);
            const float angle = std::atan2(y + 0.5f - midY, x + 0.5f - rootX);
            Rgb c = FinColour(species, s.tail, s.tailEdge, across, along, angle * 9.0f + 10.0f);
            if (species == 0) c = Mix(c, kWhite, Band(along, 0.72f, 0.04f, 0.03f));
            if (species == 1)
                c = Mix(c, kBlack, Band(across, 0.0f, 0.1f) + Band(across, 1.0f, 0.1f));
            if (species == 7)
                c = Mix(c, s.tailEdge, Band(across, 0.0f, 0.22f) + Band(across, 1.0f, 0.22f));
            canvas.At(x, y) = c;
        }
    }
}

// The head colour just behind the snout, which surrounds the eye and the jaw.
Rgb HeadColour(int species, float v) {
    return BodyPattern(species, 0.06f, v, BodyBase(kSpecies[species], v));
}

void PaintJaw(Canvas& canvas, int species, const PixelRect& r) {
    for (int y = r.y0; y < r.y1; ++y) {
        for (int x = r.x0; x < r.x1; ++x) {
            const float tipToCorner = (x + 0.5f - r.x0) / (r.x1 - r.x0);
            const float v = (y + 0.5f - r.y0) / (r.y1 - r.y0);
            Rgb c = HeadColour(species, 0.3f + 0.6f * v);
            c = Scale(c, 0.75f + 0.25f * SmoothStep(0.0f, 0.5f, tipToCorner));
            c = Mix(c, FromHex(0x3A2020), Band(v, 0.5f, 0.06f, 0.05f) * 0.6f);
            canvas.At(x, y) = c;
        }
    }
}

void PaintEye(Canvas& canvas, int species, const PixelRect& r) {
    const Species& s = kSpecies[species];
    const float cx = (r.x0 + r.x1) * 0.5f;
    const float cy = (r.y0 + r.y1) * 0.5f;
    const float radius = (r.x1 - r.x0) * 0.44f;
    for (int y = r.y0; y < r.y1; ++y) {
        for (int x = r.x0; x < r.x1; ++x) {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            Rgb c = HeadColour(species, 0.25f + 0.25f * (y - r.y0) / (r.y1 - r.y0));
            const Rgb iris = Mix(s.iris, Scale(s.iris, 0.6f), SmoothStep(0.4f, 0.95f, d / radius));
            c = Mix(c, kBlack, 1.0f - SmoothStep(radius, radius + 0.8f, d));
            c = Mix(c, iris, 1.0f - SmoothStep(radius - 1.2f, radius - 0.4f, d));
            c = Mix(c, FromHex(0x050505),
                    1.0f - SmoothStep(radius * 0.5f, radius * 0.5f + 0.8f, d));
            const float glint =
                std::hypot(x + 0.5f - (cx - radius * 0.3f), y + 0.5f - (cy - radius * 0.3f));
            c = Mix(c, kWhite, 1.0f - SmoothStep(0.9f, 1.7f, glint));
            canvas.At(x, y) = c;
        }
    }
}
}  // namespace

Canvas PaintFishSkin(int species) {
    Canvas canvas(SkinLayout::kWidthPx, SkinLayout::kHeightPx);
    PaintBody(canvas, species, ToPixels(SkinLayout::kBody));
    PaintFin(canvas, species, ToPixels(SkinLayout::kFin));
    PaintTail(canvas, species, ToPixels(SkinLayout::kTail));
    PaintJaw(canvas, species, ToPixels(SkinLayout::kJaw));
    PaintEye(canvas, species, ToPixels(SkinLayout::kEye));
    return canvas;
}
