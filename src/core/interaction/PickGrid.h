#pragma once

#include <array>
#include <vector>

struct TankBounds;

// The invisible strips the pick pass turns the pointer into a tank point with:
// vertical strips spread along x, horizontal ones along y, all at z = -70.
// They sway back and forth by about a unit, so that over a few frames every
// point of the tank lies on some strip.
enum class StripShape {
    kVertical,    // 1 wide and 60 high
    kHorizontal,  // 180 wide and 1 high
};

struct PickGrid {
    std::vector<std::array<float, 3>> points;
    bool towardPlus = false;  // the direction the grid moves in
};

// Vertical strips 100/101 apart from xMin: 101 of them, and more where the
// tank is wider than they reach, so the pointer is followed across the whole
// tank.
PickGrid BuildPickGridX(const TankBounds& tank);
// 51 horizontal strips from yMin to yMax.
PickGrid BuildPickGridY(const TankBounds& tank);

// One frame's sway along `axis` (0 for x, 1 for y) for a tank starting at
// `low`: each strip in turn moves 0.1, the grid turning back once its first
// strip passes a unit beyond `low` either way.
void MovePickGrid(PickGrid& grid, int axis, float low);
