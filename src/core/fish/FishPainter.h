#pragma once

struct FishVertexBatch;

// Draws a fish's mesh for Fish::UpdateAndDraw; the GL layer implements it.
class FishPainter {
  public:
    virtual ~FishPainter() = default;
    // The batch's vertices are in the fish's own frame (z up), at the fish's
    // place; the painter stands the mesh up and tilts it by the shown pitch
    // about the horizontal axis across the heading, both in degrees.
    virtual void DrawMesh(float shownPitch, float heading, const FishVertexBatch& batch) = 0;
};
