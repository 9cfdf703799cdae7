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

void GlPelletPainter::DrawFlake(const std::array<float, 3>& anchor, float spinY,
                                const std::array<float, 3>& offset, float spinX) {
    glPushMatrix();
    glTranslatef(anchor[0], anchor[1], anchor[2]);
    glRotatef(spinY, 0.0f, 1.0f, 0.0f);
    glTranslatef(offset[0], offset[1], offset[2]);
    glRotatef(spinX, 1.0f, 0.0f, 0.0f);
    glCallList(flake_.List());
    glPopMatrix();
}
