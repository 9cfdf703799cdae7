// A small software rasteriser for the fish pictures of the Fish Settings
// dialog: the tank's own mesh and skins, so each picture looks like the fish
// that swims, with no GL or display needed at build time.
#include "art/FishPortrait.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "art/Painters.h"
#include "core/fish/Fish.h"
#include "core/fish/FishPartEmission.h"
#include "core/fish/FishVertexBatch.h"

namespace {
constexpr int kSupersample = 4;  // per side: 16 samples a pixel smooth the edges
constexpr float kFishSize = 2.0f;

struct Vec3 {
    float x, y, z;
};

Vec3 Normalised(Vec3 v) {
    const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (length == 0.0f) return {0.0f, -1.0f, 0.0f};
    return {v.x / length, v.y / length, v.z / length};
}

float Dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// One vertex on the supersampled picture: x right, y down, depth growing away
// from the viewer.
struct ScreenVertex {
    float x, y, depth;
    float s, t;
    Vec3 normal;
};

// The skin as GL samples it: repeat wrap, linear filter. The bitmap is
// uploaded bottom row first, so t = 0 is the canvas's bottom row.
Rgb SampleSkin(const Canvas& skin, float s, float t) {
    const float u = s * skin.Width() - 0.5f;
    const float v = (1.0f - t) * skin.Height() - 0.5f;
    const float fu = std::floor(u);
    const float fv = std::floor(v);
    const float au = u - fu;
    const float av = v - fv;
    auto wrap = [](int i, int n) { return ((i % n) + n) % n; };
    const int x0 = wrap(static_cast<int>(fu), skin.Width());
    const int x1 = wrap(x0 + 1, skin.Width());
    const int y0 = wrap(static_cast<int>(fv), skin.Height());
    const int y1 = wrap(y0 + 1, skin.Height());
    return Mix(Mix(skin.At(x0, y0), skin.At(x1, y0), au), Mix(skin.At(x0, y1), skin.At(x1, y1), au),
               av);
}

// Front lighting from above and slightly ahead of the snout, two-sided as the
// tank's mesh is one-sided in places, with a faint sheen.
Rgb Shade(const Rgb& colour, Vec3 normal) {
    static const Vec3 kLight = Normalised({-0.35f, -0.8f, 0.5f});
    static const Vec3 kHalfway = Normalised({kLight.x, kLight.y - 1.0f, kLight.z});
    normal = Normalised(normal);
    if (normal.y > 0.0f) normal = {-normal.x, -normal.y, -normal.z};
    const float diffuse = std::max(0.0f, Dot(normal, kLight));
    const float sheen = 0.22f * std::pow(std::max(0.0f, Dot(normal, kHalfway)), 20.0f);
    const float light = 0.5f + 0.62f * diffuse;
    auto channel = [&](float c) { return std::min(1.0f, c * light + sheen); };
    return {channel(colour.r), channel(colour.g), channel(colour.b)};
}

class Rasteriser {
  public:
    Rasteriser(int width, int height, const Canvas& skin)
        : picture_(width, height),
          depth_(static_cast<std::size_t>(width) * height, std::numeric_limits<float>::max()),
          skin_(skin) {}

    void Triangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c) {
        const float area = Edge(a, b, c.x, c.y);
        if (std::fabs(area) < 1e-6f) return;
        const int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
        const int x1 =
            std::min(picture_.Width() - 1, static_cast<int>(std::ceil(std::max({a.x, b.x, c.x}))));
        const int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
        const int y1 =
            std::min(picture_.Height() - 1, static_cast<int>(std::ceil(std::max({a.y, b.y, c.y}))));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const float px = x + 0.5f;
                const float py = y + 0.5f;
                const float wa = Edge(b, c, px, py) / area;
                const float wb = Edge(c, a, px, py) / area;
                const float wc = 1.0f - wa - wb;
                if (wa < 0.0f || wb < 0.0f || wc < 0.0f) continue;
                const float depth = wa * a.depth + wb * b.depth + wc * c.depth;
                float& held = depth_[static_cast<std::size_t>(y) * picture_.Width() + x];
                if (depth >= held) continue;
                held = depth;
                const float s = wa * a.s + wb * b.s + wc * c.s;
                const float t = wa * a.t + wb * b.t + wc * c.t;
                const Vec3 normal{wa * a.normal.x + wb * b.normal.x + wc * c.normal.x,
                                  wa * a.normal.y + wb * b.normal.y + wc * c.normal.y,
                                  wa * a.normal.z + wb * b.normal.z + wc * c.normal.z};
                picture_.Blend(x, y, Shade(SampleSkin(skin_, s, t), normal), 1.0f);
            }
        }
    }

    const RgbaCanvas& Picture() const { return picture_; }

  private:
    static float Edge(const ScreenVertex& a, const ScreenVertex& b, float x, float y) {
        return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
    }

    RgbaCanvas picture_;
    std::vector<float> depth_;
    const Canvas& skin_;
};
}  // namespace

RgbaCanvas PaintFishPortrait(int species, int width, int height) {
    // The fish at rest: no waves, no yaw, jaws closed.
    FishPose pose;
    pose.size = kFishSize;
    FishVertexBatch mesh;
    EmitFishParts(pose, mesh);
    const std::vector<FishVertex>& vertices = mesh.vertices;
    const std::vector<std::uint16_t>& quads = mesh.quadIndices;

    // The mesh is modelled with z up and its one modelled flank facing -y,
    // which the tank turns towards the viewer: look from -y, snout (-x) left.
    float xMin = std::numeric_limits<float>::max(), xMax = -xMin;
    float zMin = xMin, zMax = -xMin;
    for (const FishVertex& v : vertices) {
        xMin = std::min(xMin, v.x);
        xMax = std::max(xMax, v.x);
        zMin = std::min(zMin, v.z);
        zMax = std::max(zMax, v.z);
    }
    const int w = width * kSupersample;
    const int h = height * kSupersample;
    const float margin = kSupersample;
    const float scale =
        std::min((w - 2.0f * margin) / (xMax - xMin), (h - 2.0f * margin) / (zMax - zMin));
    const float left = (w - scale * (xMax - xMin)) / 2.0f;
    const float top = (h - scale * (zMax - zMin)) / 2.0f;
    auto place = [&](const FishVertex& v) {
        return ScreenVertex{left + (v.x - xMin) * scale, top + (zMax - v.z) * scale, v.y, v.s, v.t,
                            {v.nx, v.ny, v.nz}};
    };

    const Canvas skin = PaintFishSkin(species);
    Rasteriser rasteriser(w, h, skin);
    for (std::size_t q = 0; q + 3 < quads.size(); q += 4) {
        const ScreenVertex a = place(vertices[quads[q]]);
        const ScreenVertex b = place(vertices[quads[q + 1]]);
        const ScreenVertex c = place(vertices[quads[q + 2]]);
        const ScreenVertex d = place(vertices[quads[q + 3]]);
        rasteriser.Triangle(a, b, c);
        rasteriser.Triangle(a, c, d);
    }
    return Shrink(rasteriser.Picture(), width, height);
}
