#pragma once

#include <cstdint>
#include <vector>

// One vertex as GL's interleaved T2F_N3F_V3F layout wants it.
struct FishVertex {
    float s, t;
    float nx, ny, nz;
    float x, y, z;
};

// A quad strip of the batch: `count` vertices from `first`.
struct FishStrip {
    int first;
    int count;
};

// The vertices of the fish being drawn, in emission order, grouped in quad
// strips. EmitFishParts appends to it between BeginStrip and EndStrip, as
// immediate mode would between glBegin and glEnd, and the whole fish goes to
// GL in one go. Whoever draws the school keeps one and lends it to each fish
// in turn.
struct FishVertexBatch {
    std::vector<FishVertex> vertices;
    std::vector<FishStrip> strips;
    // The strips' quads, four vertex indices each in the order GL_QUAD_STRIP
    // takes them, so that a whole fish goes to GL in one GL_QUADS call.
    std::vector<std::uint16_t> quadIndices;

    void Clear();
    void BeginStrip();
    void Add(const FishVertex& vertex) { vertices.push_back(vertex); }
    // Closes the strip opened by BeginStrip.
    void EndStrip();
};
