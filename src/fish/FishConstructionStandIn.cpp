// Stand-in until the school's own constructor arrives: only what the mesh
// animation needs, the oscillators.
#include "fish/Fish.h"
#include "fish/FishAnimation.h"

Fish::Fish() {
    bodyOscillator = kBodyWaveOscillator;
    dorsalOscillator = kDorsalWaveOscillator;
    pectoralOscillator = kPectoralWaveOscillator;
    pelvicOscillator = kPelvicWaveOscillator;
    analOscillator = kAnalWaveOscillator;
    tailOscillator = kTailWaveOscillator;
}
