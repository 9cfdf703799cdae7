#pragma once

#include <array>

struct TankBounds;

struct SurfacePoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// Receives the background surface's triangle strips; the GL layer implements it.
class SurfacePainter {
  public:
    virtual ~SurfacePainter() = default;
    virtual void BeginStrip() = 0;
    // Texture coordinate (s, t), then the vertex.
    virtual void Vertex(double s, double t, const SurfacePoint& point) = 0;
    virtual void EndStrip() = 0;
};

// The degree-5 Bezier combination of six control points: u = 1 gives p[0],
// u = 0 gives p[5].
SurfacePoint Bernstein(double u, const std::array<SurfacePoint, 6>& p);

// The picture wall behind the fish: a Bezier patch of 6 x 6 control points
// spanning the tank's width at z = -90, whose two upper rows sway sideways
// between -0.5 and +1.0 and fold in depth, so the top ripples like a water line.
class BackgroundSurface {
  public:
    // Rebuilds the control net for the tank. The sway advances one step when
    // the "BACKGROUND" setting is 0 or 2, and stands still otherwise.
    void UpdateControlNet(const TankBounds& tank, int backgroundSetting);
    // Hands the surface to the painter as `divisions` strips of 2 * (divisions
    // + 1) vertices. The first texture coordinate runs from 1 at the left
    // column to 0 at the right, the second from 1 at the top row to 0 at the
    // bottom.
    void DrawSurface(SurfacePainter& painter) const;

    std::array<std::array<SurfacePoint, 6>, 6> anchors{};  // [row][column], row 0 on top
    int divisions = 2;
    float swayPhase = 0.0f;
    bool swayRising = true;

  private:
    void AdvanceSway();
};
