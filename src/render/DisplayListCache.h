#pragma once

// Wire shapes built once per distinct size into a GL display list and replayed
// afterwards. The lists live as long as the GL context.

// A wire sphere of the radius at the origin (16 slices, 16 stacks).
void CallSphere(double radius);

// A wire cone at the origin, base of the radius in the z = 0 plane, tip at
// z = height (15 slices, 10 stacks).
void CallCone(double baseRadius, double height);
