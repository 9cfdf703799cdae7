#pragma once

#include <GL/gl.h>

struct ClockFace;

// The clock's text at its place in the viewport, light letters over a dark
// outline so that it reads over any backdrop; no text draws nothing.
void DrawClock(GLuint fontBase, const ClockFace& clock);
