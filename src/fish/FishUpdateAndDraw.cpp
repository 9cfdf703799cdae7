#include <cmath>

#include <GL/gl.h>

#include "fish/Fish.h"

// The frame walk has translated to the fish's position and bound its skin.
void Fish::UpdateAndDraw(int /*species*/) {
    FishPartArrays arrays;
    ComputePartArrays(arrays);
    glPushMatrix();
    // The mesh is modelled with z up.
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    AdvanceShownPitch();
    const float h = heading * 0.017453292f;
    glRotatef(-shownPitch, std::sin(h), -std::cos(h), 0.0f);
    RandomWhim();
    DrawParts(arrays);
    MoveOrHoldCaught();
    UpdateExtent();
    glPopMatrix();
}
