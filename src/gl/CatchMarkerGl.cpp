#include "gl/CatchMarkerGl.h"

#include <GL/gl.h>

#include "gl/DisplayListCache.h"

namespace {
constexpr double kNetRadius = 3.0;
constexpr double kNetHeight = 1.0;
}  // namespace

void DrawNetCone(DisplayListCache& shapes, const NetPose& pose) {
    glPushMatrix();
    glTranslatef(pose.at[0], pose.at[1], pose.at[2]);
    glRotatef(pose.spin, 0.0f, 0.0f, 1.0f);
    shapes.CallCone(kNetRadius, kNetHeight);
    glPopMatrix();
}
