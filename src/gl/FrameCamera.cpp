#include "gl/FrameCamera.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "core/scene/CameraGeometry.h"

void ApplyFrameCamera(int screenWidthPx, int screenHeightPx, float cameraOffset) {
    const Frustum frustum = FrameFrustum(screenWidthPx, screenHeightPx);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(frustum.left, frustum.right, frustum.bottom, frustum.top, frustum.zNear,
              frustum.zFar);
    ApplyCamera(cameraOffset);
}

void ApplyCamera(float cameraOffset) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.0, 0.0, EyeZ(cameraOffset), 0.0, 0.0, -500.0, 0.0, 1.0, 0.0);
}
