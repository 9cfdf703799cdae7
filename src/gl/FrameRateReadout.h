#pragma once

#include <string>

#include "gl/OverlayFont.h"

// The frame-rate readout: `text`'s lines in the help text's letters, in the
// bottom-left corner of the viewport, over whatever the frame drew, leaving
// the frame's GL state as it found it. Empty text draws nothing.
void DrawFrameRateReadout(const GlyphLists& font, const std::string& text);
