#include "render/DisplayListCache.h"

#include <forward_list>
#include <vector>

#include <GL/gl.h>
#include <GL/glu.h>

namespace {
enum ShapeKind { kWireSphere = 0, kWireCone = 9, kShapeKindCount = 10 };

struct CachedShape {
    GLuint list;
    std::vector<double> parameters;
};

// Newest first per kind, as entries are only ever added.
std::forward_list<CachedShape> cachedShapes[kShapeKindCount];

GLUquadric* WireQuadric() {
    static GLUquadric* quadric = [] {
        GLUquadric* q = gluNewQuadric();
        gluQuadricDrawStyle(q, GLU_LINE);
        return q;
    }();
    return quadric;
}

template <typename Tessellate>
void CallShape(ShapeKind kind, std::vector<double> parameters, Tessellate tessellate) {
    for (const CachedShape& shape : cachedShapes[kind]) {
        if (shape.parameters == parameters) {
            glCallList(shape.list);
            return;
        }
    }
    const GLuint list = glGenLists(1);
    cachedShapes[kind].push_front({list, std::move(parameters)});
    glNewList(list, GL_COMPILE_AND_EXECUTE);
    tessellate(WireQuadric());
    glEndList();
}
}  // namespace

void CallSphere(double radius) {
    CallShape(kWireSphere, {radius},
              [radius](GLUquadric* quadric) { gluSphere(quadric, radius, 16, 16); });
}

void CallCone(double baseRadius, double height) {
    CallShape(kWireCone, {baseRadius, height}, [baseRadius, height](GLUquadric* quadric) {
        gluCylinder(quadric, baseRadius, 0.0, height, 15, 10);
    });
}
