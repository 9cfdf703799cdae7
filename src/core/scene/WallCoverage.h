#pragma once

class BackgroundSurface;

// Whether the picture wall, as its strips are drawn, fills the whole view of
// the frame's camera (eye at (0, 0, eyeZ) looking down -z) on a screen of the
// given size, with at least a pixel to spare on every side. While it does,
// nothing behind it can show.
bool WallCoversView(const BackgroundSurface& wall, int screenWidthPx, int screenHeightPx,
                    double eyeZ);

// Lit by the frame's light at `lightLevel` (0..1) on top of GL's default
// ambient of 0.2, a white surface comes out white whichever way it faces.
bool LightSaturatesWhite(float lightLevel);
