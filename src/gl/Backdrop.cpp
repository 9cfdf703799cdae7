#include "gl/Backdrop.h"

#include <GL/gl.h>

#include "core/scene/SettingsColours.h"
#include "core/settings/AquariumSettings.h"
#include "core/tank/TankBounds.h"

namespace {
void Colour(int colorRef) {
    const Rgb8 rgb = ColorRefToRgb(colorRef);
    glColor3ub(rgb.red, rgb.green, rgb.blue);
}

void BackdropQuad(const TankBounds& tank, int bottomColour, int topColour) {
    const float z = 3.0f * tank.zBack;
    glShadeModel(GL_SMOOTH);
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    Colour(bottomColour);
    glVertex3f(2.0f * tank.xMin, 3.0f * tank.yMin, z);
    glVertex3f(2.0f * tank.xMax, 3.0f * tank.yMin, z);
    Colour(topColour);
    glVertex3f(2.0f * tank.xMax, 3.0f * tank.yMax, z);
    glVertex3f(2.0f * tank.xMin, 3.0f * tank.yMax, z);
    glEnd();
    glColor3ub(255, 255, 255);
    glEnable(GL_TEXTURE_2D);
}
}  // namespace

void DrawBackdrop(const AquariumSettings& settings, const TankBounds& tank) {
    // Both quads lie in one plane; the gradient must still cover the solid one.
    glDepthFunc(GL_LEQUAL);
    if (settings.backSolid) BackdropQuad(tank, settings.backColor, settings.backColor);
    if (settings.backGradient) BackdropQuad(tank, settings.backColor2, settings.backColor1);
    glDepthFunc(GL_LESS);
}

void SkipBackdrop() {
    glColor3ub(255, 255, 255);
}
