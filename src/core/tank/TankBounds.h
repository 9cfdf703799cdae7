#pragma once

// The tank box in world units, set once from the screen size and shared by the
// frame, the backdrop, the pick pass, the fish placement and the bubbles.
struct TankBounds {
    float xMin = 0.0f;
    float xMax = 0.0f;
    float yMin = 0.0f;
    float yMax = 0.0f;
    float zBack = 0.0f;
    float zFront = 0.0f;
};

// The box for a screen of the given size in pixels: the row of the size table
// (800 x 600 to 1680 x 1050), widened by 20 in x and 4 in y. A size the table
// does not list takes the listed size with the nearest aspect ratio, ties going
// to the nearest pixel count.
TankBounds TankBoundsForScreen(int widthPx, int heightPx);
