#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <GL/gl.h>

// Solid 3-D letters in display lists, one list per character: each draws its
// glyph one unit (one em) high from the current origin, extruded 0.2 units
// along -z, and moves the origin to the next letter.
struct GlyphLists {
    GLuint base = 0;        // the first list; 0 when no font could be loaded
    std::u32string points;  // sorted: list base + i draws points[i]
};

// Builds the lists from the bold sans face fontconfig prefers for `language`
// (as "ja" or "zh-cn"; empty for the system's default) among those with every
// character of the UTF-8 `characters`, for those characters alone: each
// extruded glyph costs tessellation at start-up and vertices held by GL.
// Nothing is built when no such face has them all.
GlyphLists BuildFont(std::string_view characters, const std::string& language);
void DeleteFont(GlyphLists& font);

// The UTF-8 text at the current model-view origin, running along +x; a
// character the font was not built for is left out. At most
// kMaxPrintedCharacters are drawn; longer text is cut.
inline constexpr std::size_t kMaxPrintedCharacters = 255;
void glPrint(const GlyphLists& font, std::string_view text);
