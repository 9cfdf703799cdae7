#include "core/fish/Fish.h"

void Fish::Update(FishPose& shown) {
    shown.position = position;
    ComputePartArrays(shown.arrays);
    AdvanceShownPitch();
    // The mesh is tilted as the fish stood before this frame's whim.
    shown.pitch = shownPitch;
    shown.heading = heading;
    RandomWhim();
    shown.size = size;
    MoveOrHoldCaught();
    UpdateExtent();
}
