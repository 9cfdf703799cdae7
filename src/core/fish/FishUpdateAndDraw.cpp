#include "core/fish/Fish.h"
#include "core/fish/FishPainter.h"
#include "core/fish/FishPartEmission.h"
#include "core/fish/FishVertexBatch.h"

// The caller has moved to the fish's place and put on its skin.
void Fish::UpdateAndDraw(FishPainter& painter, FishVertexBatch& mesh, MeshDetail detail) {
    FishPartArrays arrays;
    ComputePartArrays(arrays);
    AdvanceShownPitch();
    // The mesh is tilted as the fish stood before this frame's whim.
    const float drawnPitch = shownPitch;
    const float drawnHeading = heading;
    RandomWhim();
    mesh.Clear();
    EmitFishParts(*this, arrays, mesh, detail);
    painter.DrawMesh(drawnPitch, drawnHeading, mesh);
    MoveOrHoldCaught();
    UpdateExtent();
}
