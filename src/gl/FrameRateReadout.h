#pragma once

#include <string>

#include <GL/gl.h>

// The frame-rate readout: `text`'s lines in the help text's letters, in the
// bottom-left corner of the viewport, over whatever the frame drew, leaving
// the frame's GL state as it found it. Empty text draws nothing.
void DrawFrameRateReadout(GLuint fontBase, const std::string& text);
