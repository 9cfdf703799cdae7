#include "music/MusicHandover.h"

bool customMusicActive = true;
bool builtinMusicRestartPending = true;

void HandOverMusic(BuiltinTunePlayer& player) {
    if (customMusicActive) {
        builtinMusicRestartPending = true;
        player.StopBuiltinTune();
    } else if (builtinMusicRestartPending) {
        player.StartBuiltinTune();
        builtinMusicRestartPending = false;
    }
}
