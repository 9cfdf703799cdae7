#include <algorithm>
#include <cmath>

#include "core/Angles.h"
#include "core/fish/Fish.h"

// The extent follows where the fish is heading and climbing to (the targets),
// not the angles it is drawn with, so the interaction code sees where the fish
// is about to be.
void Fish::UpdateExtent() {
    const float length = extent.length * size;
    const float height = extent.height * size;
    const float depth = extent.depth * size;
    const float half = length / 2.0f;
    const float cosP = std::cos(DegreesToRadians(pitch));
    const float sinP = std::sin(DegreesToRadians(pitch));
    const float cosT = std::cos(DegreesToRadians(targetHeading));
    const float sinT = std::sin(DegreesToRadians(targetHeading));
    const float dx = std::fabs(cosT * cosP) * half;
    const float dy = std::fabs(sinP) * half;
    const float dz = std::fabs(sinT) * half;
    const float x = position[0];
    const float y = position[1];
    const float z = position[2];

    const float headDx = leftward ? -dx : dx;
    const float headDy = up ? dy : -dy;
    const float headDz = towardMinusZ ? -dz : dz;
    extent.head = {x + headDx, y + headDy, z + headDz};
    extent.tail = {x - headDx, y - headDy, z - headDz};

    const float halfY = std::max(dy, std::fabs(cosP) * height / 2.0f);
    const float halfZ = std::max(dz, std::fabs(cosT) * depth / 2.0f);
    extent.xMin = x - dx;
    extent.xMax = x + dx;
    extent.yMin = y - halfY;
    extent.yMax = y + halfY;
    extent.zMin = z - halfZ;
    extent.zMax = z + halfZ;

    extent.grownXMin = extent.xMin - half;
    extent.grownXMax = extent.xMax + half;
    extent.grownYMin = extent.yMin - height / 4.0f;
    extent.grownYMax = extent.yMax + height / 4.0f;
    extent.grownZMin = extent.zMin - depth / 4.0f;
    extent.grownZMax = extent.zMax + depth / 4.0f;
}
