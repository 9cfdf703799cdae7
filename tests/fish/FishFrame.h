#pragma once

#include "core/fish/Fish.h"

// A fish swimming level at `heading` and speed 0.2 in the school's box
// (x -50..50, y -14..15, z pinned at -70).
inline Fish SwimmingFish(float x, float y, float heading) {
    Fish fish;
    fish.SetBounds(-50.0f, 50.0f, 5.0f, -19.0f, -70.0f, -70.0f);
    fish.position = {x, y, -70.0f};
    fish.heading = fish.targetHeading = heading;
    fish.pitch = fish.shownPitch = 0.0f;
    fish.speed = 0.2f;
    fish.UpdateDirectionFlags();
    return fish;
}
