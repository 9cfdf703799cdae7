#pragma once

#include "core/tank/SchoolLayout.h"

// The school fills in one fish a frame from the start.

// Frames drawn so far, capped at 200.
constexpr int kRevealLimit = kSchoolSlots;
int NextRevealCount(int revealCount);

// How many school slots are walked this frame: slots below the total that the
// reveal has reached (slot i shows once revealCount reaches i), never past the
// 200 records however the counts add up.
int WalkedFishCount(int schoolTotal, int revealCount);
