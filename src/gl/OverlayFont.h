#pragma once

#include <cstddef>
#include <string_view>

#include <GL/gl.h>

// Solid 3-D letters in display lists: 256 consecutive lists, one per character
// code (Latin-1), each drawing its glyph one unit (one em) high from the
// current origin, extruded 0.2 units along -z, and moving the origin to the
// next letter.

// Builds the lists once, from the system's default bold sans face, with glyphs
// for `characters` alone (each extruded glyph costs tessellation at start-up
// and vertices held by GL); the lists of other codes stay empty. Returns the
// first list, or 0 when no font could be loaded (text then draws nothing).
GLuint BuildFont(std::string_view characters);

// The text at the current model-view origin, running along +x. At most
// kMaxPrintedCharacters are drawn; longer text is cut.
inline constexpr std::size_t kMaxPrintedCharacters = 255;
void glPrint(GLuint fontBase, std::string_view text);
