#pragma once

#include "core/fish/Fish.h"
#include "core/fish/FishVertexBatch.h"

// Draws a fish's mesh, emitted in `detail` into `mesh`, at the current
// matrix, which it leaves as it was: stood up (the mesh is modelled with z
// up) and tilted by the pose's shown pitch about the horizontal axis across
// its heading.
void DrawFishMesh(const FishPose& pose, MeshDetail detail, FishVertexBatch& mesh);
