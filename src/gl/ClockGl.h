#pragma once

#include "gl/OverlayFont.h"

struct ClockFace;

// The clock's text at its place in the viewport, light letters over a dark
// outline so that it reads over any backdrop; no text draws nothing.
void DrawClock(const GlyphLists& font, const ClockFace& clock);
