#pragma once

#include <vector>

#include <GL/gl.h>

struct GLUquadric;

// Wire shapes built once per distinct size into a GL display list and replayed
// afterwards. The lists are freed with the cache, which needs the context that
// made them current.
class DisplayListCache {
  public:
    DisplayListCache() = default;
    ~DisplayListCache();
    DisplayListCache(const DisplayListCache&) = delete;
    DisplayListCache& operator=(const DisplayListCache&) = delete;

    // A wire sphere of the radius at the origin (16 slices, 16 stacks).
    void CallSphere(double radius);
    // A wire cone at the origin, base of the radius in the z = 0 plane, tip at
    // z = height (15 slices, 10 stacks).
    void CallCone(double baseRadius, double height);

  private:
    struct CachedShape {
        int kind;
        std::vector<double> parameters;
        GLuint list;
    };
    template <typename Tessellate>
    void CallShape(int kind, std::vector<double> parameters, Tessellate tessellate);
    GLUquadric* WireQuadric();

    std::vector<CachedShape> shapes_;
    GLUquadric* quadric_ = nullptr;
};
