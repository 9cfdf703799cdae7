#include "gl/GlSceneState.h"

#include <GL/gl.h>

void SetUpSceneGlState() {
    const GLfloat ambient[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat diffuse[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat position[] = {1000.0f, -1000.0f, 1000.0f, 1.0f};
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT1, GL_POSITION, position);
    glEnable(GL_LIGHT1);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_BLEND);
}

void SetUpSceneFog() {
    const GLfloat colour[] = {1.0f, 1.0f, 1.0f, 1.0f};
    glFogi(GL_FOG_MODE, GL_EXP);
    glFogfv(GL_FOG_COLOR, colour);
    glFogf(GL_FOG_DENSITY, 0.5f);
    glHint(GL_FOG_HINT, GL_DONT_CARE);
    glFogf(GL_FOG_START, -10.0f);
    glFogf(GL_FOG_END, 100.0f);
    glEnable(GL_FOG);
}

void ApplyLight(const std::array<float, 3>& light) {
    const GLfloat colour[] = {light[0], light[1], light[2], 1.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, colour);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, colour);
    glEnable(GL_LIGHTING);
}
