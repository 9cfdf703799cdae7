#pragma once

#include "art/Canvas.h"
#include "core/fish/FishSchool.h"  // kSpeciesCount: one skin each

// Each painter makes one asset from scratch; the same build always paints the
// same pixels.

// The tank's back wall: an underwater scene, 1024 x 512, seamless across x.
// Nowhere pure black (black is transparent when it is loaded).
Canvas PaintBackground();

// The skin of species 0..9, 128 x 64, in the layout of fish/SkinLayout.h.
Canvas PaintFishSkin(int species);

// A soft round bubble, 32 x 32, for additive blending: black is nothing.
Canvas PaintBubble();

// The Fish Settings dialog's picture panel, 500 x 512: a tile for each species
// in a 5 x 2 grid of 100 x 90 cells starting 2 pixels in, species 0..4 on the
// first row, each fish drawn from the tank's mesh and its skin; calm water
// below for the dialog's controls.
constexpr int kFishPanelWidth = 500;
constexpr int kFishPanelHeight = 512;
Canvas PaintFishSettingsPanel();
