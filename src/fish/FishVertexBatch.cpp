#include "fish/FishVertexBatch.h"

FishVertexBatch fishVertexBatch;

void FishVertexBatch::Clear() {
    vertices.clear();
    strips.clear();
}

void FishVertexBatch::BeginStrip() {
    strips.push_back({static_cast<int>(vertices.size()), 0});
}

void FishVertexBatch::EndStrip() {
    if (strips.empty()) return;
    strips.back().count = static_cast<int>(vertices.size()) - strips.back().first;
}
