#include "interaction/PopupMenuLayout.h"

#include <algorithm>

#include "interaction/CommandIds.h"

const std::array<PopupEntry, kPopupEntryCount>& PopupEntries() {
    static const std::array<PopupEntry, kPopupEntryCount> entries{{
        {"  Catch Fish", kCommandCatch, 137},
        {"  Feed Fish", kCommandFeed, 133},
        {"  Touch Fish", kCommandTouch, 160},
        {"  Zoom In Fish", kCommandZoomIn, 134},
        {"  Zoom Out Fish", kCommandZoomOut, 135},
        {"  Add/Delete Fish", kCommandAddDeleteFish, 180},
        {"  Custom Music", kCommandCustomMusic, 253},
        {"  Custom Background", kCommandCustomBackground, 232},
        {"  Exit", kCommandExit, 175},
    }};
    return entries;
}

std::optional<int> PopupEntryAt(int x, int y) {
    if (x < 0 || x >= kPopupWidth || y < 0 || y >= kPopupHeight) return std::nullopt;
    return y / kPopupEntryHeight;
}

namespace {
int PlaceAlong(int at, int size, int screenStart, int screenSize) {
    if (at + size > screenStart + screenSize) at -= size;
    return std::max(at, screenStart);
}
}  // namespace

std::array<int, 2> PlacePopup(int x, int y, const ScreenRect& screen) {
    return {PlaceAlong(x, kPopupWidth, screen.left, screen.width),
            PlaceAlong(y, kPopupHeight, screen.top, screen.height)};
}

int NextPopupEntry(std::optional<int> current, int step) {
    if (!current) return step > 0 ? 0 : kPopupEntryCount - 1;
    return ((*current + step) % kPopupEntryCount + kPopupEntryCount) % kPopupEntryCount;
}

std::optional<int> ModeCursorId(int mode, bool buttonDown) {
    switch (mode) {
        case kCommandCatch:
            return buttonDown ? 155 : 154;
        case kCommandTouch:
            return buttonDown ? 159 : 158;
        case kCommandFeed:
            return buttonDown ? 164 : 163;
        case kCommandZoomIn:
            return buttonDown ? 177 : 167;
        case kCommandZoomOut:
            return buttonDown ? 178 : 169;
        default:
            return std::nullopt;
    }
}
