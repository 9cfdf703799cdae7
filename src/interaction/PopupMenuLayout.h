#pragma once

#include <array>
#include <optional>

// The right-click menu's entries and geometry, without a window: nine entries
// of 140 x 48 pixels stacked from the top, each with an icon and a text.
struct PopupEntry {
    const char* text;  // begins with two spaces
    int commandId;
    int iconId;
};

inline constexpr int kPopupEntryWidth = 140;
inline constexpr int kPopupEntryHeight = 48;
inline constexpr int kPopupEntryCount = 9;
inline constexpr int kPopupWidth = kPopupEntryWidth;
inline constexpr int kPopupHeight = kPopupEntryHeight * kPopupEntryCount;

// The entries in menu order: Catch, Feed, Touch, Zoom In, Zoom Out,
// Add/Delete, Custom Music, Custom Background, Exit.
const std::array<PopupEntry, kPopupEntryCount>& PopupEntries();

// The entry under the point (x, y) of the popup, or nothing outside it.
std::optional<int> PopupEntryAt(int x, int y);

struct ScreenRect {
    int left;
    int top;
    int width;
    int height;
};

// Where the popup's top-left corner goes for a click at (x, y): at the click
// point, or flipped to the left of it (above it) where the screen ends, and
// never past the screen's left (top) edge.
std::array<int, 2> PlacePopup(int x, int y, const ScreenRect& screen);

// The entry the arrow keys lead to from `current` (nothing: none highlighted
// yet), `step` entries on, wrapping around at either end.
int NextPopupEntry(std::optional<int> current, int step);

// The cursor resource of a mode, pressed or not; nothing for modes that leave
// the cursor as it is.
std::optional<int> ModeCursorId(int mode, bool buttonDown);
