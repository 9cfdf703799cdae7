#pragma once

class wxRect;
class wxWindow;

// Where, in pixels, the display that shows the window lies (the primary
// display when the window is not on any yet).
wxRect DisplayGeometryOf(const wxWindow* window);
