#include "gl/CatchMarkerGl.h"

#include <GL/gl.h>

#include "gl/DisplayListCache.h"

namespace {
constexpr double kNetRadius = 3.0;
constexpr double kNetHeight = 1.0;
}  // namespace

void GlCatchMarkerPainter::DrawCone(const std::array<float, 3>& at, float spinDegrees) {
    glPushMatrix();
    glTranslatef(at[0], at[1], at[2]);
    glRotatef(spinDegrees, 0.0f, 0.0f, 1.0f);
    shapes_.CallCone(kNetRadius, kNetHeight);
    glPopMatrix();
}
