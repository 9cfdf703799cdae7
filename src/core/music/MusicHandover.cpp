#include "core/music/MusicHandover.h"

#include <algorithm>

#include "core/music/MediaPlayer.h"

void MusicHandover::SetTuneAttenuation(int attenuation) {
    attenuation_ = attenuation;
    if (tuneStarted_) tune_.SetVolume(TuneVolume(attenuation));
}

void MusicHandover::AfterFrame() {
    if (customMusicActive_ || !tuneOn_) {
        builtinMusicRestartPending_ = true;
        // Stopping is asked of the engine only when there is something to stop.
        if (tuneStarted_) tune_.Stop();
        tuneStarted_ = false;
    } else if (builtinMusicRestartPending_) {
        tune_.StartLooping(tuneWav_(), TuneVolume(attenuation_));
        tuneStarted_ = true;
        builtinMusicRestartPending_ = false;
    }
}

int TuneVolume(int attenuation) {
    return 65535 - std::clamp(attenuation, 0, 65535);
}
