#pragma once

// Degrees, as the fish and the camera keep their angles, to the radians of
// the trigonometric functions.
constexpr float DegreesToRadians(float degrees) {
    return degrees * 0.017453292f;
}
