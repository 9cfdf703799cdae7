#pragma once

class BackgroundSurface;

// Emits the surface as immediate-mode triangle strips with the texture that is
// bound. Reserves no display-list name.
void DrawBackgroundSurfaceGl(const BackgroundSurface& surface);
