#include "core/fish/FishVertexBatch.h"

void FishVertexBatch::Clear() {
    vertices.clear();
    strips.clear();
    quadIndices.clear();
}

void FishVertexBatch::BeginStrip() {
    strips.push_back({static_cast<int>(vertices.size()), 0});
}

void FishVertexBatch::EndStrip() {
    if (strips.empty()) return;
    FishStrip& strip = strips.back();
    strip.count = static_cast<int>(vertices.size()) - strip.first;
    // Quad i of a strip is its vertices 2i, 2i + 1, 2i + 3, 2i + 2.
    for (int i = strip.first; i + 3 < strip.first + strip.count; i += 2) {
        for (int corner : {i, i + 1, i + 3, i + 2}) {
            quadIndices.push_back(static_cast<std::uint16_t>(corner));
        }
    }
}
