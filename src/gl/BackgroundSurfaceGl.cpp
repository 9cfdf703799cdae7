#include "gl/BackgroundSurfaceGl.h"

#include <GL/gl.h>

#include "core/tank/BackgroundSurface.h"

namespace {
class GlSurfacePainter : public SurfacePainter {
  public:
    void BeginStrip() override { glBegin(GL_TRIANGLE_STRIP); }
    void Vertex(double s, double t, const SurfacePoint& point) override {
        glTexCoord2d(s, t);
        glVertex3d(point.x, point.y, point.z);
    }
    void EndStrip() override { glEnd(); }
};
}  // namespace

void DrawBackgroundSurfaceGl(const BackgroundSurface& surface) {
    GlSurfacePainter painter;
    surface.DrawSurface(painter);
}
