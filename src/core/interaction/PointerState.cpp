#include "core/interaction/PointerState.h"

void PointerState::LeftButtonDown(PointerPos at) {
    mousePos = at;
    away = false;
    buttonDown = true;
    if (mode == Mode::kFeed) feedRequest = true;
    if (mode == Mode::kCatch) catchRequest = true;
}

void PointerState::LeftButtonUp() {
    if (mode == Mode::kFeed) buttonDown = false;
}
