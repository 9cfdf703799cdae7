#include "core/interaction/PopupMenuLayout.h"

#include <algorithm>

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

std::optional<int> ModeCursorId(Mode mode, bool buttonDown) {
    for (const MenuCommand& command : kMenuCommands) {
        if (command.mode == mode && command.cursorId != 0) {
            return buttonDown ? command.pressedCursorId : command.cursorId;
        }
    }
    return std::nullopt;
}
