#pragma once

class BackgroundSurface;

// The most texels of a texture of the given size that one screen pixel spans
// anywhere on the wall, as the frame's camera shows it (GL's scale factor rho,
// taken at every corner and centre of the wall's triangles, where a flat
// triangle seen in perspective has its extremes). Below 1 the texture is
// magnified everywhere, so its smaller mipmap levels are never sampled.
double WallTexelsPerPixel(const BackgroundSurface& wall, int screenWidthPx, int screenHeightPx,
                          double eyeZ, int textureWidth, int textureHeight);
