#pragma once

#include <cstdint>
#include <vector>

#include <GL/gl.h>

// A stand-in fish skin for the benchmark: each region of the skin
// layout painted in its own recognisable way (a striped flank darker at the
// back, rayed fins and tail, pink lips, a dark-pupilled eye). `species` shifts
// the colours. 128 x 64 RGBA, bottom row first.
std::vector<std::uint8_t> PaintTestSkin(int species);

// Uploads a painted skin as the fish skins are loaded: linear filtering and the
// default repeat wrap. Needs a current GL context.
GLuint UploadTestSkin(const std::vector<std::uint8_t>& rgba);
