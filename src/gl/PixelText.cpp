#include "gl/PixelText.h"

#include "gl/OverlayFont.h"

PixelTextPass::PixelTextPass() {
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    viewSize_ = {static_cast<float>(viewport[2]), static_cast<float>(viewport[3])};
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_TRANSFORM_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_BLEND);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // Deep enough for the letters' extrusion at any size that fits the view.
    glOrtho(0.0, viewport[2], 0.0, viewport[3], -viewport[3], viewport[3]);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

PixelTextPass::~PixelTextPass() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}

void PixelTextPass::Print(const GlyphLists& font, std::string_view text, float x, float y, float em,
                          const std::array<float, 3>& colour) const {
    glColor3f(colour[0], colour[1], colour[2]);
    glPushMatrix();
    glTranslatef(x, y, 0.0f);
    glScalef(em, em, em);
    glPrint(font, text);
    glPopMatrix();
}
