#pragma once

#include <string>

#include <GL/gl.h>

// The help text: title, right-click hint, Escape hint and our web address, in
// the upper middle of the tank, in the current colour and untextured, leaving
// the frame's GL state as it found it.
void DrawOverlay(GLuint fontBase);
// Every character the help text uses.
std::string OverlayCharacters();
