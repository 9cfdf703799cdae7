#include "media/MpvVolume.h"

#include <algorithm>
#include <cmath>

double MpvVolumeForPlayList(int volume) {
    return std::clamp(volume, 0, 1000) / 10.0;
}

double MpvVolumeForAmplitude(int level) {
    return 100.0 * std::cbrt(std::clamp(level, 0, 65535) / 65535.0);
}
