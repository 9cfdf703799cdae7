#pragma once

struct AquariumSettings;
struct TankBounds;

// Draws the colour backdrop far behind the tank: the solid quad when
// "BACK GUDING" is set, then the two-colour gradient quad when
// "BACK MANJIANBIAN" is set, the later over the earlier.
void DrawBackdrop(const AquariumSettings& settings, const TankBounds& tank);

// The state a drawn backdrop leaves: the colour white.
void SkipBackdrop();
