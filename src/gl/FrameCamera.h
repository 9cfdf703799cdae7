#pragma once

// Loads the frame's projection (a frustum shaped by the screen size) and the
// fixed camera: the eye at (0, 0, cameraOffset - 5) looking down -z, y up.
// Leaves the model-view matrix selected.
void ApplyFrameCamera(int screenWidthPx, int screenHeightPx, float cameraOffset);

// The fixed camera alone, into the model-view matrix, which it leaves selected.
void ApplyCamera(float cameraOffset);
