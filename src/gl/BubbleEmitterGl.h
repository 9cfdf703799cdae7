#pragma once

#include <vector>

#include <GL/gl.h>

#include "core/tank/BubbleEmitter.h"

// Draws a column's bubbles as squares with the bubble texture (0 draws them
// untextured), relative to the current matrix.
void DrawBubbleSquares(GLuint texture, const std::vector<BubbleSquare>& squares);
