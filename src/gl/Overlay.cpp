#include "gl/Overlay.h"

#include "platform/ProgramNames.h"
#include "platform/runtime/Translation.h"

namespace {
constexpr std::array<std::array<float, 3>, 4> kLineOrigins{{
    {-5.5f, 4.0f, -60.0f},
    {-4.0f, 1.0f, -60.0f},
    {-4.0f, 0.0f, -60.0f},
    {-4.0f, -2.0f, -60.0f},
}};
}  // namespace

HelpTextLines HelpText(bool inUsersLanguage) {
    const auto words = [inUsersLanguage](const char* english) {
        return inUsersLanguage ? Tr(english) : std::string(english);
    };
    return {kProgramTitle, words(N_("[Right Click]: Toolbar popup")), words(N_("[ESC]: Exit")),
            "www.velmar-aquarium.example"};
}

void DrawOverlay(const GlyphLists& font, const HelpTextLines& lines) {
    // The glyphs carry no texture coordinates: textured, they would all take the
    // one texel of whatever picture the last frame left bound, which turns the
    // text near black over the dark water. The frame's state is left as it was.
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_TEXTURE_2D);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        glPushMatrix();
        glTranslatef(kLineOrigins[i][0], kLineOrigins[i][1], kLineOrigins[i][2]);
        glPrint(font, lines[i]);
        glPopMatrix();
    }
    glPopAttrib();
}
