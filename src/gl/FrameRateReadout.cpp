#include "gl/FrameRateReadout.h"

#include <algorithm>
#include <string_view>

#include "gl/OverlayFont.h"

namespace {
// Letters an eightieth of the height high, small yet readable on any screen.
constexpr float kScreenHeightsPerEm = 80.0f;
constexpr float kMinEmPx = 12.0f;
constexpr float kLineSpacingEm = 1.3f;
constexpr float kMarginEm = 0.6f;
}  // namespace

// Drawn in pixels, unlit and untextured, in front of everything: the scene's
// camera, fog and depth do not reach it.
void DrawFrameRateReadout(GLuint fontBase, const std::string& text) {
    if (text.empty()) return;
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const float em = std::max(kMinEmPx, viewport[3] / kScreenHeightsPerEm);
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_TRANSFORM_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_BLEND);
    glColor3f(1.0f, 1.0f, 1.0f);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, viewport[2], 0.0, viewport[3], -em, em);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    const std::string_view lines = text;
    const auto lineCount = std::count(lines.begin(), lines.end(), '\n') + 1;
    float baseline = kMarginEm * em + (lineCount - 1) * kLineSpacingEm * em;
    for (std::size_t start = 0; start <= lines.size(); baseline -= kLineSpacingEm * em) {
        const std::size_t end = std::min(lines.find('\n', start), lines.size());
        glPushMatrix();
        glTranslatef(kMarginEm * em, baseline, 0.0f);
        glScalef(em, em, em);
        glPrint(fontBase, lines.substr(start, end - start));
        glPopMatrix();
        start = end + 1;
    }

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}
