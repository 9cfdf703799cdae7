#include "gl/FoodPelletGl.h"

#include <cmath>

namespace {
constexpr int kFlakeVertices = 500;
constexpr double kFlakeHalfWidth = 0.3;
constexpr double kFlakeHalfHeight = 0.15;
}  // namespace

GlFoodFlake::GlFoodFlake() : list_(glGenLists(1)) {
    glNewList(list_, GL_COMPILE);
    glDisable(GL_TEXTURE_2D);
    glColor3ub(243, 225, 159);
    glBegin(GL_TRIANGLE_FAN);
    for (int i = 0; i < kFlakeVertices; ++i) {
        const double angle = i * 2.0 * M_PI / kFlakeVertices;
        glVertex2d(kFlakeHalfWidth * std::cos(angle), kFlakeHalfHeight * std::sin(angle));
    }
    glEnd();
    glColor3ub(255, 255, 255);
    glEnable(GL_TEXTURE_2D);
    glEndList();
}

GlFoodFlake::~GlFoodFlake() {
    glDeleteLists(list_, 1);
}

void DrawFlake(const GlFoodFlake& flake, const FlakePose& pose) {
    glPushMatrix();
    glTranslatef(pose.anchor[0], pose.anchor[1], pose.anchor[2]);
    glRotatef(pose.spinY, 0.0f, 1.0f, 0.0f);
    glTranslatef(pose.offset[0], pose.offset[1], pose.offset[2]);
    glRotatef(pose.spinX, 1.0f, 0.0f, 0.0f);
    glCallList(flake.List());
    glPopMatrix();
}
