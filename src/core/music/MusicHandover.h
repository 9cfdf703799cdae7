#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class TunePlayer;

// Keeps the built-in tune and the user's own music apart. After every frame:
// while the user's music is on, or the tune is turned off, the tune is
// silenced and marked to start again; once neither holds it starts, once. Both flags start raised,
// so the tune waits for the session's first tick.
class MusicHandover {
  public:
    // `tuneWav` gives the tune's wave file when it is to start.
    MusicHandover(TunePlayer& tune, std::function<std::vector<std::uint8_t>()> tuneWav)
        : tune_(tune), tuneWav_(std::move(tuneWav)) {}

    // The "On/Off" box, copied every 200 ms.
    void SetCustomMusicActive(bool on) { customMusicActive_ = on; }
    // The "YINLIANG" setting: 0 loudest, 65535 silent. A tune that plays
    // takes the new level at once.
    void SetTuneAttenuation(int attenuation);
    // The user's switch for the tune (and the wallpaper's default).
    void SetTuneOn(bool on) { tuneOn_ = on; }

    void AfterFrame();

  private:
    TunePlayer& tune_;
    std::function<std::vector<std::uint8_t>()> tuneWav_;
    bool customMusicActive_ = true;
    bool tuneOn_ = true;
    bool builtinMusicRestartPending_ = true;
    bool tuneStarted_ = false;
    int attenuation_ = 32767;
};

// The level the tune plays at for a "YINLIANG" setting, 0..65535, the same on
// both channels: linear in amplitude, as the wave-out volume it stands for.
int TuneVolume(int attenuation);
