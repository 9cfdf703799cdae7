#include "gl/Overlay.h"

#include "gl/OverlayFont.h"
#include "platform/ProgramNames.h"

namespace {
struct OverlayLine {
    float x, y, z;
    const char* text;
};

constexpr OverlayLine kOverlayLines[] = {
    {-5.5f, 4.0f, -60.0f, kProgramTitle},
    {-4.0f, 1.0f, -60.0f, "[Right Click]: Toolbar popup"},
    {-4.0f, 0.0f, -60.0f, "[ESC]: Exit"},
    {-4.0f, -2.0f, -60.0f, "www.velmar-aquarium.example"},
};
}  // namespace

void DrawOverlay(GLuint fontBase) {
    // The glyphs carry no texture coordinates: textured, they would all take the
    // one texel of whatever picture the last frame left bound, which turns the
    // text near black over the dark water. The frame's state is left as it was.
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_TEXTURE_2D);
    for (const OverlayLine& line : kOverlayLines) {
        glPushMatrix();
        glTranslatef(line.x, line.y, line.z);
        glPrint(fontBase, line.text);
        glPopMatrix();
    }
    glPopAttrib();
}

std::string OverlayCharacters() {
    std::string characters;
    for (const OverlayLine& line : kOverlayLines) characters += line.text;
    return characters;
}
