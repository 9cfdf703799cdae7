#include "gl/DisplayListCache.h"

#include <GL/glu.h>

namespace {
enum ShapeKind { kWireSphere, kWireCone };
}  // namespace

DisplayListCache::~DisplayListCache() {
    for (const CachedShape& shape : shapes_) glDeleteLists(shape.list, 1);
    if (quadric_) gluDeleteQuadric(quadric_);
}

GLUquadric* DisplayListCache::WireQuadric() {
    if (!quadric_) {
        quadric_ = gluNewQuadric();
        gluQuadricDrawStyle(quadric_, GLU_LINE);
    }
    return quadric_;
}

template <typename Tessellate>
void DisplayListCache::CallShape(int kind, std::vector<double> parameters, Tessellate tessellate) {
    for (const CachedShape& shape : shapes_) {
        if (shape.kind == kind && shape.parameters == parameters) {
            glCallList(shape.list);
            return;
        }
    }
    const GLuint list = glGenLists(1);
    shapes_.push_back({kind, std::move(parameters), list});
    glNewList(list, GL_COMPILE_AND_EXECUTE);
    tessellate(WireQuadric());
    glEndList();
}

void DisplayListCache::CallSphere(double radius) {
    CallShape(kWireSphere, {radius},
              [radius](GLUquadric* quadric) { gluSphere(quadric, radius, 16, 16); });
}

void DisplayListCache::CallCone(double baseRadius, double height) {
    CallShape(kWireCone, {baseRadius, height}, [baseRadius, height](GLUquadric* quadric) {
        gluCylinder(quadric, baseRadius, 0.0, height, 15, 10);
    });
}
