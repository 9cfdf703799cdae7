#pragma once

#include <array>
#include <optional>

#include "core/interaction/MenuCommands.h"

// The right-click menu's geometry, without a window: the entries of
// kMenuCommands, 140 x 48 pixels each, stacked from the top.

inline constexpr int kPopupEntryWidth = 140;
inline constexpr int kPopupEntryHeight = 48;
inline constexpr int kPopupEntryCount = static_cast<int>(kMenuCommandCount);
inline constexpr int kPopupWidth = kPopupEntryWidth;
inline constexpr int kPopupHeight = kPopupEntryHeight * kPopupEntryCount;

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
std::optional<int> ModeCursorId(Mode mode, bool buttonDown);
