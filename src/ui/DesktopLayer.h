#pragma once

class wxTopLevelWindow;

// Asks the window manager, before the window is first shown, to keep it as
// the desktop's background: a desktop-type window, below every other, on
// every workspace, out of task bars and pagers, not focused when it maps.
void MakeDesktopLayer(wxTopLevelWindow& window);

// The window's own X window (0 before it is realised).
unsigned long TopLevelXWindow(const wxTopLevelWindow& window);
