#pragma once

#include <string>

#include <GL/gl.h>

// Both loaders generate a texture name into `texture` and bind it; a file that
// cannot be read leaves that texture without an image.

// A 24-bit bitmap as an RGBA texture with mipmaps; pure black is transparent.
void LoadTextureRGBA(const std::string& path, GLuint* texture);

// An 8-, 24- or 32-bit bitmap scaled to powers of two (at most 512), no mipmaps.
void LoadTextureBMP(const std::string& path, GLuint* texture);
