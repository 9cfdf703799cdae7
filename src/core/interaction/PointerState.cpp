#include "core/interaction/PointerState.h"

void PointerState::LeftButtonDown(PointerPos at) {
    mousePos = at;
    buttonDown = true;
    if (mode == kCommandFeed) feedRequest = true;
    if (mode == kCommandCatch) catchRequest = true;
}

void PointerState::LeftButtonUp() {
    if (mode == kCommandFeed || mode == kCommandZoomIn || mode == kCommandZoomOut) {
        buttonDown = false;
    }
}
