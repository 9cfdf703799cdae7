#pragma once

#include "art/Canvas.h"

// Each painter makes one asset from scratch; the same build always paints the
// same pixels.

// The tank's back wall: an underwater scene, 1024 x 512, seamless across x.
// Nowhere pure black (black is transparent when it is loaded).
Canvas PaintBackground();

// Number of fish species; one skin each.
constexpr int kSpeciesCount = 10;

// The skin of species 0..9, 128 x 64, in the layout of fish/SkinLayout.h.
Canvas PaintFishSkin(int species);

// A soft round bubble, 32 x 32, for additive blending: black is nothing.
Canvas PaintBubble();

// The food pellet's surface, 64 x 64.
Canvas PaintFoodPellet();
