#pragma once

// Ways a frame saves work without changing what a user sees: skip the
// backdrop the wall hides, draw the wall first without depth test and
// lighting (both leave every pixel as it was), sample a wall that comes out
// magnified at its full-size level alone, and give fish a few dozen pixels
// long the light mesh. Tests and the benchmark turn them off to compare.
struct DrawShortcuts {
    bool hiddenBackdrop = true;
    bool wallFirst = true;
    bool lightMeshes = true;
    bool magnifiedWall = true;

    static DrawShortcuts None() { return {false, false, false, false}; }
    // These shortcuts less `shortcut`, as in Without(&DrawShortcuts::wallFirst).
    DrawShortcuts Without(bool DrawShortcuts::*shortcut) const {
        DrawShortcuts fewer = *this;
        fewer.*shortcut = false;
        return fewer;
    }
};
