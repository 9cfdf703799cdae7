// The back wall of the tank: open water lit from above, light shafts, a sandy
// floor with rocks, kelp, sea grass and corals. Everything repeats seamlessly
// across x because the surface may show more than one copy side by side.
#include <algorithm>
#include <cmath>
#include <functional>

#include "art/Noise.h"
#include "art/Painters.h"
#include "art/Shapes.h"

namespace {
constexpr int kWidth = 1024;
constexpr int kHeight = 512;
constexpr float kPi = 3.14159265f;

const Rgb kSurfaceWater = FromHex(0x5FC4D8);
const Rgb kMidWater = FromHex(0x1F7FA6);
const Rgb kDeepWater = FromHex(0x0B3F6B);
const Rgb kSand = FromHex(0xD9C28E);
const Rgb kSandShadow = FromHex(0x9C8A64);

// Noise coordinate across the picture with `cells` features in its width; pass
// `cells` as the noise's period so the left and right edges meet.
float AcrossCells(float x, int cells) {
    return x * cells / kWidth;
}

// The water colour at height y, without shafts: what distant things fade into.
Rgb WaterAt(float y) {
    const float t = y / kHeight;
    if (t < 0.45f) return Mix(kSurfaceWater, kMidWater, SmoothStep(0.0f, 0.45f, t));
    return Mix(kMidWater, kDeepWater, SmoothStep(0.45f, 0.85f, t));
}

// The top of the sand at column x (pixels from the top).
float SandTop(float x) {
    const float u = x / kWidth * 2.0f * kPi;
    return 402.0f + 10.0f * std::sin(u * 2.0f + 0.7f) + 6.0f * std::sin(u * 5.0f + 2.1f) +
           8.0f * (FractalNoise(AcrossCells(x, 16), 3.5f, 11, 3, 16) - 0.5f);
}

// Paints a shape and its copies one picture width to the left and right.
void FillWrapped(Canvas& canvas, int x0, int y0, int x1, int y1,
                 const std::function<float(float, float)>& distance,
                 const std::function<Rgb(float, float)>& colour, float opacity = 1.0f) {
    for (int shift : {-kWidth, 0, kWidth}) {
        if (x1 + shift <= 0 || x0 + shift >= kWidth) continue;
        FillShape(
            canvas, x0 + shift, y0, x1 + shift, y1,
            [&](float x, float y) { return distance(x - shift, y); },
            [&](float x, float y) { return colour(x - shift, y); }, opacity);
    }
}

void PaintWater(Canvas& canvas) {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const float shimmer = FractalNoise(AcrossCells(x, 21), y / 12.0f, 3, 3, 21);
            const float nearSurface = 1.0f - SmoothStep(0.0f, 70.0f, static_cast<float>(y));
            Rgb colour = WaterAt(static_cast<float>(y));
            colour = Add(colour, Scale(FromHex(0xCFF6FF),
                                       nearSurface * 0.35f * SmoothStep(0.45f, 0.8f, shimmer)));
            canvas.At(x, y) = colour;
        }
    }
}

// Soft shafts of sunlight slanting down from the surface, fading with depth.
void PaintLightShafts(Canvas& canvas) {
    struct Shaft {
        float x, width, strength;
    };
    const Shaft shafts[] = {{90, 38, 0.22f},  {230, 22, 0.16f}, {340, 52, 0.20f}, {520, 30, 0.18f},
                            {650, 60, 0.22f}, {800, 26, 0.15f}, {930, 44, 0.19f}};
    const float slope = 0.35f;
    const Rgb light = FromHex(0xE6FBFF);
    for (int y = 0; y < kHeight; ++y) {
        const float fade = 1.0f - SmoothStep(20.0f, 430.0f, static_cast<float>(y));
        for (int x = 0; x < kWidth; ++x) {
            float sum = 0.0f;
            for (const Shaft& shaft : shafts) {
                const float centre = shaft.x + slope * y;
                float dx = std::fmod(x - centre + 1.5f * kWidth, static_cast<float>(kWidth)) -
                           0.5f * kWidth;
                const float width = shaft.width * (1.0f + y / 300.0f);
                const float profile = std::exp(-(dx * dx) / (width * width));
                const float flicker =
                    0.6f +
                    0.4f * ValueNoise(AcrossCells(x - slope * y + kWidth, 34), y / 140.0f, 5, 34);
                sum += shaft.strength * profile * flicker;
            }
            canvas.Blend(x, y, light, sum * fade);
        }
    }
}

// A low, hazy rock ridge far behind everything else.
void PaintFarRidge(Canvas& canvas) {
    for (int x = 0; x < kWidth; ++x) {
        const float top = 318.0f + 40.0f * FractalNoise(AcrossCells(x, 6), 1.0f, 21, 4, 6);
        for (int y = static_cast<int>(top); y < kHeight; ++y) {
            const float edge = std::clamp(y + 1.0f - top, 0.0f, 1.0f);
            const Rgb ridge = Mix(WaterAt(y), FromHex(0x2C5E78), 0.45f);
            canvas.Blend(x, y, ridge, edge * 0.8f);
        }
    }
}

void PaintSand(Canvas& canvas) {
    for (int x = 0; x < kWidth; ++x) {
        const float top = SandTop(static_cast<float>(x));
        for (int y = static_cast<int>(top) - 1; y < kHeight; ++y) {
            const float depthIn = (y - top) / (kHeight - top);
            const float ripples =
                0.5f +
                0.5f * std::sin(x / kWidth * 2.0f * kPi * 48.0f + y * 0.35f +
                                6.0f * FractalNoise(AcrossCells(x, 11), y / 30.0f, 31, 2, 11));
            const float grain = Hash01(x, y, 41);
            // Caustics: the bright web where ridged noise folds over.
            const float fold = FractalNoise(AcrossCells(x, 39), y / 10.0f, 43, 2, 39);
            const float caustic = 1.0f - std::fabs(2.0f * fold - 1.0f);
            Rgb colour = Mix(kSandShadow, kSand, 0.55f + 0.3f * ripples + 0.15f * (grain - 0.5f));
            colour =
                Add(colour, Scale(FromHex(0xFFF6D8), 0.28f * SmoothStep(0.82f, 0.97f, caustic)));
            // The far floor fades into the water.
            colour = Mix(colour, WaterAt(y), 0.55f * (1.0f - SmoothStep(0.0f, 0.9f, depthIn)));
            const float edge = std::clamp(y + 1.0f - top, 0.0f, 1.0f);
            canvas.Blend(x, y, colour, edge);
        }
    }
}

struct Rock {
    float x, y, rx, ry;
    Rgb colour;
    float haze;
    std::uint32_t seed;
};

void PaintRock(Canvas& canvas, const Rock& rock) {
    auto distance = [&](float x, float y) {
        const float angle = std::atan2((y - rock.y) / rock.ry, (x - rock.x) / rock.rx);
        const float wobble =
            1.0f +
            0.16f * (ValueNoise((angle + kPi) / (2.0f * kPi) * 10.0f, 0.5f, rock.seed, 10) - 0.5f);
        const float flatBottom = std::max(0.0f, y - (rock.y + rock.ry * 0.55f));
        return EllipseDistance(x, y, rock.x, rock.y, rock.rx * wobble, rock.ry * wobble) +
               flatBottom;
    };
    auto colour = [&](float x, float y) {
        const float nx = (x - rock.x) / rock.rx;
        const float ny = (y - rock.y) / rock.ry;
        const float light = std::clamp(0.85f - 0.45f * ny - 0.2f * nx, 0.35f, 1.15f);
        const float texture = FractalNoise(x / 9.0f, y / 9.0f, rock.seed + 7, 3);
        Rgb c = Scale(rock.colour, light * (0.8f + 0.4f * texture));
        const float moss =
            SmoothStep(-0.2f, -0.75f, ny) *
            SmoothStep(0.45f, 0.6f, FractalNoise(x / 14.0f, y / 6.0f, rock.seed + 9, 3));
        c = Mix(c, FromHex(0x4E7F3A), moss * 0.8f);
        return Mix(c, WaterAt(y), rock.haze);
    };
    FillWrapped(canvas, static_cast<int>(rock.x - rock.rx * 1.3f),
                static_cast<int>(rock.y - rock.ry * 1.3f),
                static_cast<int>(rock.x + rock.rx * 1.3f),
                static_cast<int>(rock.y + rock.ry * 1.3f), distance, colour);
}

// A kelp blade: a ribbon rising and swaying from its root on the floor.
struct Kelp {
    float x, baseY, height, width, sway, phase;
    Rgb colour;
    float haze;
};

void PaintKelp(Canvas& canvas, const Kelp& kelp) {
    const int top = static_cast<int>(kelp.baseY - kelp.height);
    for (int y = std::max(top, 0); y < static_cast<int>(kelp.baseY); ++y) {
        const float t = (kelp.baseY - y) / kelp.height;  // 0 at the root, 1 at the tip
        const float centre =
            kelp.x + kelp.sway * std::sin(t * 5.0f + kelp.phase) * t + kelp.sway * 0.6f * t * t;
        const float halfWidth = kelp.width * (0.35f + 0.65f * std::sin(std::min(t, 0.98f) * kPi)) *
                                (0.85f + 0.3f * std::sin(t * 23.0f + kelp.phase));
        for (int dx = static_cast<int>(-halfWidth) - 1; dx <= static_cast<int>(halfWidth) + 1;
             ++dx) {
            const float across = (dx + 0.5f + std::floor(centre) - centre) / halfWidth;
            const float coverage =
                std::clamp((1.0f - std::fabs(across)) * halfWidth + 0.5f, 0.0f, 1.0f);
            if (coverage <= 0.0f) continue;
            const float vein = 1.0f - SmoothStep(0.0f, 0.25f, std::fabs(across));
            Rgb c = Scale(kelp.colour, 0.7f + 0.35f * (1.0f - std::fabs(across)) + 0.25f * vein);
            c = Mix(c, WaterAt(y), kelp.haze);
            const int px = ((static_cast<int>(std::floor(centre)) + dx) % kWidth + kWidth) % kWidth;
            canvas.Blend(px, y, c, coverage);
        }
    }
}

// A branching coral: capsules that fork as they grow upwards.
void PaintCoralBranch(Canvas& canvas, float x, float y, float angle, float length, float radius,
                      int depth, const Rgb& colour, std::uint32_t seed) {
    const float ex = x + std::sin(angle) * length;
    const float ey = y - std::cos(angle) * length;
    FillWrapped(
        canvas, static_cast<int>(std::min(x, ex) - radius - 2), static_cast<int>(ey - radius - 2),
        static_cast<int>(std::max(x, ex) + radius + 2), static_cast<int>(y + radius + 2),
        [=](float px, float py) { return CapsuleDistance(px, py, x, y, ex, ey, radius); },
        [=](float px, float py) {
            const float side = (px - (x + ex) * 0.5f) / (radius + 0.5f);
            const float spot =
                Hash01(static_cast<int>(px / 2), static_cast<int>(py / 2), seed) > 0.8f ? 0.85f
                                                                                        : 1.0f;
            return Scale(colour, (0.95f - 0.3f * side) * spot);
        });
    if (depth == 0) return;
    const float spread = 0.35f + 0.25f * Hash01(depth, static_cast<int>(x), seed);
    PaintCoralBranch(canvas, ex, ey, angle - spread, length * 0.78f, radius * 0.78f, depth - 1,
                     colour, seed + 1);
    PaintCoralBranch(canvas, ex, ey, angle + spread, length * 0.72f, radius * 0.78f, depth - 1,
                     colour, seed + 2);
}

// A tuft of thin sea grass blades.
void PaintGrassTuft(Canvas& canvas, float x, float baseY, float height, const Rgb& colour,
                    std::uint32_t seed) {
    for (int blade = 0; blade < 7; ++blade) {
        const float lean = (Hash01(blade, 1, seed) - 0.5f) * 1.2f;
        const float h = height * (0.6f + 0.4f * Hash01(blade, 2, seed));
        const float root = x + (blade - 3) * 2.5f;
        for (int step = 0; step < 24; ++step) {
            const float t0 = step / 24.0f;
            const float t1 = (step + 1) / 24.0f;
            auto px = [&](float t) { return root + lean * h * t * t; };
            FillWrapped(
                canvas, static_cast<int>(std::min(px(t0), px(t1)) - 3),
                static_cast<int>(baseY - h * t1 - 3),
                static_cast<int>(std::max(px(t0), px(t1)) + 3),
                static_cast<int>(baseY - h * t0 + 3),
                [&](float qx, float qy) {
                    return CapsuleDistance(qx, qy, px(t0), baseY - h * t0, px(t1), baseY - h * t1,
                                           1.6f * (1.0f - t0) + 0.3f);
                },
                [&](float, float) { return Scale(colour, 0.75f + 0.4f * t0); });
        }
    }
}

void PaintFloorLife(Canvas& canvas) {
    const Rock farRocks[] = {{140, 392, 70, 40, FromHex(0x6E6A72), 0.45f, 1},
                             {470, 388, 90, 46, FromHex(0x77706A), 0.5f, 2},
                             {760, 395, 60, 34, FromHex(0x6A6F78), 0.45f, 3},
                             {985, 392, 64, 36, FromHex(0x746C66), 0.45f, 4}};
    for (const Rock& rock : farRocks) PaintRock(canvas, rock);

    const Kelp farKelp[] = {{60, 400, 250, 7, 18, 0.0f, FromHex(0x5E8C3A), 0.45f},
                            {300, 405, 300, 8, 22, 1.3f, FromHex(0x6A9440), 0.45f},
                            {316, 405, 230, 6, 16, 2.1f, FromHex(0x5E8C3A), 0.45f},
                            {585, 400, 280, 7, 20, 0.7f, FromHex(0x648F3C), 0.45f},
                            {880, 402, 260, 8, 24, 2.6f, FromHex(0x5E8C3A), 0.45f}};
    for (const Kelp& kelp : farKelp) PaintKelp(canvas, kelp);

    const Rock nearRocks[] = {{230, 470, 95, 55, FromHex(0x857A6E), 0.08f, 5},
                              {320, 488, 55, 32, FromHex(0x7A7F86), 0.05f, 6},
                              {640, 478, 120, 60, FromHex(0x8A8076), 0.08f, 7},
                              {905, 485, 70, 40, FromHex(0x7D7873), 0.05f, 8}};
    for (const Rock& rock : nearRocks) PaintRock(canvas, rock);

    PaintCoralBranch(canvas, 120, 470, -0.1f, 34, 5.0f, 4, FromHex(0xF07A7A), 51);
    PaintCoralBranch(canvas, 455, 455, 0.15f, 30, 4.5f, 4, FromHex(0xF2A444), 52);
    PaintCoralBranch(canvas, 775, 470, -0.05f, 36, 5.0f, 4, FromHex(0xC77BD8), 53);
    PaintCoralBranch(canvas, 1000, 468, 0.1f, 26, 4.0f, 3, FromHex(0xF07A9A), 54);

    const Kelp nearKelp[] = {{175, 470, 330, 11, 26, 0.4f, FromHex(0x4F9A3A), 0.0f},
                             {190, 472, 260, 9, 20, 1.9f, FromHex(0x5AA640), 0.0f},
                             {530, 468, 360, 12, 30, 2.8f, FromHex(0x4C9436), 0.0f},
                             {720, 476, 300, 10, 24, 1.1f, FromHex(0x58A23E), 0.0f},
                             {965, 470, 340, 11, 28, 0.2f, FromHex(0x4F9A3A), 0.0f}};
    for (const Kelp& kelp : nearKelp) PaintKelp(canvas, kelp);

    const float tufts[][2] = {{40, 480},  {390, 492}, {560, 500},
                              {830, 496}, {700, 505}, {280, 506}};
    std::uint32_t seed = 60;
    for (const auto& tuft : tufts) {
        PaintGrassTuft(canvas, tuft[0], tuft[1], 46, FromHex(0x7DB84A), seed++);
    }
}

// Black would be see-through once loaded; lift the darkest pixels just above it.
void KeepOpaque(Canvas& canvas) {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            Rgb& p = canvas.At(x, y);
            p.b = std::max(p.b, 2.0f / 255.0f);
        }
    }
}
}  // namespace

Canvas PaintBackground() {
    Canvas canvas(kWidth, kHeight);
    PaintWater(canvas);
    PaintFarRidge(canvas);
    PaintLightShafts(canvas);
    PaintSand(canvas);
    PaintFloorLife(canvas);
    KeepOpaque(canvas);
    return canvas;
}
