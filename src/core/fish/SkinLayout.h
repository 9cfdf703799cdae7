#pragma once

// Where each part of a fish finds its paint on a species skin. Every skin is a
// 128 x 64 bitmap in this one layout; the mesh's texture coordinates address
// these regions (s across, t up; the bitmap's bottom row is t = 0). The skin
// wraps (repeat), so the mesh may add whole numbers to s or t.
struct SkinRegion {
    float s0, t0, s1, t1;
};

namespace SkinLayout {
constexpr int kWidthPx = 128;
constexpr int kHeightPx = 64;

// The flank seen from the side: snout at s0, tail end at s1, dorsal ridge at
// t1, belly at t0.
constexpr SkinRegion kBody{0.0f, 0.0f, 0.75f, 1.0f};
// Fin membrane with rays running along t (root at t0, free edge at t1); shared
// by the dorsal, anal, pectoral and pelvic fins.
constexpr SkinRegion kFin{0.75f, 0.5f, 0.875f, 1.0f};
// Lips and jaws: snout tip at s0, corner of the mouth at s1.
constexpr SkinRegion kJaw{0.875f, 0.5f, 1.0f, 0.75f};
// The eye: a round eye centred in the region (iris, pupil, highlight).
constexpr SkinRegion kEye{0.875f, 0.75f, 1.0f, 1.0f};
// Tail fin: root at s0, free edge at s1, upper lobe at t1, lower lobe at t0.
constexpr SkinRegion kTail{0.75f, 0.0f, 1.0f, 0.5f};
}  // namespace SkinLayout
