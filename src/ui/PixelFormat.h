#pragma once

#include <optional>

#include <wx/glcanvas.h>

// The visual nearest to the one the scene asks for: double-buffered RGBA with
// 24 colour bits and a 32-bit depth buffer, stepping down to what the display
// offers. Nothing when the display has no GL visual at all.
std::optional<wxGLAttributes> ChooseSceneVisual();

// What the canvas is created with when no visual fits, so the window still exists.
wxGLAttributes DefaultVisual();
