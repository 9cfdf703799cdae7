#pragma once

#include "core/fish/Fish.h"

struct FishVertexBatch;

// Fills `mesh` with the nine parts of the fish mesh, in drawing order: body, upper jaw, lower jaw,
// dorsal fin, pectoral fins, pelvic fins, anal fin, tail fin, eyes. Positions are scaled by the
// pose's size, displaced by its arrays and turned by the station yaws; the paired parts are
// followed by their mirrored copies. 838 vertices in 29 quad strips (the light mesh: 444).
void EmitFishParts(const FishPose& pose, FishVertexBatch& mesh,
                   MeshDetail detail = MeshDetail::kFull);
