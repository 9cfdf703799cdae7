#pragma once

#include <GL/gl.h>

class OverlayVisibility;

// The help text: title, right-click hint, Escape hint and our web address, in
// the upper middle of the tank. Counts the frame and draws when visible, with
// whatever colour and lighting the frame has at that point.
void DrawOverlay(OverlayVisibility& visibility, GLuint fontBase);
