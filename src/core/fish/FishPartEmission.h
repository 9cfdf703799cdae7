#pragma once

#include "core/fish/Fish.h"

// Emits the nine parts of the fish mesh into `mesh`, in drawing order: body, upper jaw, lower jaw,
// dorsal fin, pectoral fins, pelvic fins, anal fin, tail fin, eyes. Positions are scaled by the
// fish's size, displaced by the arrays and turned by the station yaws; the paired parts are
// followed by their mirrored copies. 838 vertices in 29 quad strips (the light mesh: 444). Leaves
// the last yaw in the fish's rotation.
void EmitFishParts(Fish& fish, const FishPartArrays& arrays, FishVertexBatch& mesh,
                   MeshDetail detail = MeshDetail::kFull);
