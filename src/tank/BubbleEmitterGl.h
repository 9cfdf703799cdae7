#pragma once

#include <GL/gl.h>

class BubbleEmitter;

// Draws the first n particles of the emitter as squares with the bubble
// texture (0 draws them untextured) and advances them one frame.
void DrawBubbleEmitterGl(BubbleEmitter& emitter, int n, GLuint texture);
