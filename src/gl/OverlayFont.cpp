#include "gl/OverlayFont.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <FTGL/ftgl.h>
#include <fontconfig/fontconfig.h>

#include "core/text/Utf8.h"

namespace {
// Outlines are taken at this size for smooth curves, then scaled to one unit.
constexpr float kOutlineSize = 64.0f;
constexpr float kExtrusionEm = 0.2f;

bool Covers(FcCharSet* faceCharacters, FcCharSet* wanted) {
    return faceCharacters && FcCharSetIsSubset(wanted, faceCharacters);
}

// FTGL opens a file's first face only: in a collection the face fontconfig
// chose may be another, and then the first one must have the characters too.
bool FirstFaceCovers(FcConfig* config, const FcChar8* file, FcCharSet* wanted) {
    FcPattern* first = FcPatternCreate();
    FcPatternAddString(first, FC_FILE, file);
    FcPatternAddInteger(first, FC_INDEX, 0);
    FcObjectSet* objects = FcObjectSetBuild(FC_CHARSET, nullptr);
    FcFontSet* faces = FcFontList(config, first, objects);
    FcCharSet* characters = nullptr;
    const bool covers =
        faces && faces->nfont > 0 &&
        FcPatternGetCharSet(faces->fonts[0], FC_CHARSET, 0, &characters) == FcResultMatch &&
        Covers(characters, wanted);
    if (faces) FcFontSetDestroy(faces);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(first);
    return covers;
}

std::string BoldSansFileWith(const std::u32string& points, const std::string& language) {
    std::string path;
    FcConfig* config = FcInitLoadConfigAndFonts();
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif:bold"));
    FcCharSet* wanted = FcCharSetCreate();
    for (const char32_t point : points) FcCharSetAddChar(wanted, point);
    FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
    if (!language.empty()) {
        FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>(language.c_str()));
    }
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(config, pattern, &result)) {
        FcChar8* file = nullptr;
        FcCharSet* characters = nullptr;
        int index = 0;
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
            FcPatternGetCharSet(match, FC_CHARSET, 0, &characters) == FcResultMatch &&
            Covers(characters, wanted) && (index == 0 || FirstFaceCovers(config, file, wanted))) {
            path = reinterpret_cast<const char*>(file);
        }
        FcPatternDestroy(match);
    }
    FcCharSetDestroy(wanted);
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return path;
}
}  // namespace

GlyphLists BuildFont(std::string_view characters, const std::string& language) {
    std::u32string points = CodePoints(characters);
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    const std::string fontFile = BoldSansFileWith(points, language);
    if (fontFile.empty()) return {};
    auto font = std::make_unique<FTExtrudeFont>(fontFile.c_str());
    if (font->Error() || !font->FaceSize(static_cast<unsigned>(kOutlineSize))) return {};
    font->Depth(kExtrusionEm * kOutlineSize);
    // FTGL would otherwise compile each glyph into a list of its own, which
    // cannot be nested inside ours.
    font->UseDisplayList(false);

    GlyphLists lists{glGenLists(static_cast<GLsizei>(points.size())), points};
    const float scale = 1.0f / kOutlineSize;
    for (std::size_t i = 0; i < points.size(); ++i) {
        glNewList(lists.base + static_cast<GLuint>(i), GL_COMPILE);
        const wchar_t text[2] = {static_cast<wchar_t>(points[i]), L'\0'};
        glPushMatrix();
        glScalef(scale, scale, scale);
        font->Render(text);
        glPopMatrix();
        glTranslatef(font->Advance(text) * scale, 0.0f, 0.0f);
        glEndList();
    }
    return lists;
}

void DeleteFont(GlyphLists& font) {
    if (font.base != 0) glDeleteLists(font.base, static_cast<GLsizei>(font.points.size()));
    font = {};
}

void glPrint(const GlyphLists& font, std::string_view text) {
    if (font.base == 0) return;
    std::vector<GLuint> lists;
    for (const char32_t point : CodePoints(text)) {
        const auto found = std::lower_bound(font.points.begin(), font.points.end(), point);
        if (found == font.points.end() || *found != point) continue;
        lists.push_back(static_cast<GLuint>(found - font.points.begin()));
        if (lists.size() == kMaxPrintedCharacters) break;
    }
    glPushAttrib(GL_LIST_BIT);
    glListBase(font.base);
    glCallLists(static_cast<GLsizei>(lists.size()), GL_UNSIGNED_INT, lists.data());
    glPopAttrib();
}
