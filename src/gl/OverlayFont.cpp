#include "gl/OverlayFont.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

#include <FTGL/ftgl.h>
#include <fontconfig/fontconfig.h>

namespace {
constexpr int kGlyphCount = 256;
// Outlines are taken at this size for smooth curves, then scaled to one unit.
constexpr float kOutlineSize = 64.0f;
constexpr float kExtrusionEm = 0.2f;

std::string DefaultBoldSansFile() {
    std::string path;
    FcConfig* config = FcInitLoadConfigAndFonts();
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif:bold"));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(config, pattern, &result)) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            path = reinterpret_cast<const char*>(file);
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return path;
}
}  // namespace

GLuint BuildFont(std::string_view characters) {
    const std::string fontFile = DefaultBoldSansFile();
    if (fontFile.empty()) return 0;
    auto font = std::make_unique<FTExtrudeFont>(fontFile.c_str());
    if (font->Error() || !font->FaceSize(static_cast<unsigned>(kOutlineSize))) return 0;
    font->Depth(kExtrusionEm * kOutlineSize);
    // FTGL would otherwise compile each glyph into a list of its own, which
    // cannot be nested inside ours.
    font->UseDisplayList(false);

    const GLuint base = glGenLists(kGlyphCount);
    const float scale = 1.0f / kOutlineSize;
    for (int code = 0; code < kGlyphCount; ++code) {
        glNewList(base + code, GL_COMPILE);
        if (characters.find(static_cast<char>(code)) != std::string_view::npos) {
            const wchar_t text[2] = {static_cast<wchar_t>(code), L'\0'};
            glPushMatrix();
            glScalef(scale, scale, scale);
            font->Render(text);
            glPopMatrix();
            glTranslatef(font->Advance(text) * scale, 0.0f, 0.0f);
        }
        glEndList();
    }
    return base;
}

void glPrint(GLuint fontBase, std::string_view text) {
    if (fontBase == 0) return;
    const std::size_t count = std::min(text.size(), kMaxPrintedCharacters);
    glPushAttrib(GL_LIST_BIT);
    glListBase(fontBase);
    glCallLists(static_cast<GLsizei>(count), GL_UNSIGNED_BYTE, text.data());
    glPopAttrib();
}
