#include "core/fish/FishAnimation.h"

void Fish::ComputePartArrays(FishPartArrays& arrays) {
    OpenJaws(*this, arrays.lowerJaw, arrays.upperJaw);
    StepBodyYaw(*this, arrays.yaw);
    StepWave(bodyOscillator, size, arrays.bodyWave.data(), 0, 19);
    StepWave(dorsalOscillator, size, arrays.dorsalWave.data(), 0, 20);
    StepWave(pectoralOscillator, size, arrays.pectoralWave.data(), 0, 19);
    StepWave(pelvicOscillator, size, arrays.pelvicWave.data(), 0, 23);
    // The pelvic fins' leading stations sit on the belly and do not flap.
    arrays.pelvicWave[0] = 0.0f;
    arrays.pelvicWave[1] = 0.0f;
    StepWave(analOscillator, size, arrays.analWave.data(), 0, 18);
    // Likewise the tail's two stations nearest the body.
    arrays.tailWave[0] = 0.0f;
    arrays.tailWave[1] = 0.0f;
    StepWave(tailOscillator, size, arrays.tailWave.data(), 2, 29);
    arrays.eyeWave.fill(0.0f);
}
