#pragma once

#include "core/interaction/MenuCommands.h"

// The pointer in client pixels, y downwards.
struct PointerPos {
    int x = 0;
    int y = 0;
};

// The interaction mode and what the left button has asked of the next frames.
// A press is stored here and acted on by the frame that follows.
struct PointerState {
    Mode mode = Mode::kCatch;
    PointerPos mousePos;
    bool buttonDown = false;   // a press waits for the fish pick
    bool feedRequest = false;  // a press in Feed mode waits to drop a pellet
    // Raised by a press in Catch mode and never cleared, so the net follows
    // the pointer from the first frame on.
    bool catchRequest = true;
    // The pointer is over another window or monitor: the net hides and
    // catches nothing until it comes back.
    bool away = false;

    void LeftButtonDown(PointerPos at);
    // Feed mode only: elsewhere the fish pick lowers the button instead, so
    // every press reaches it, even a tap released before the next frame.
    void LeftButtonUp();
    void MouseMove(PointerPos to) {
        mousePos = to;
        away = false;
    }
};
