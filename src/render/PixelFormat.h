#pragma once

#include <wx/glcanvas.h>

// The visual nearest to the one the scene asks for: double-buffered RGBA with
// 24 colour bits and a 32-bit depth buffer, stepping down to what the display
// offers. `found` is false only when the display has no GL visual at all.
wxGLAttributes ChooseSceneVisual(bool* found);
