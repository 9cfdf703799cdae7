#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/pictures/CustomBackgroundList.h"
#include "core/settings/StartupSettings.h"

class MediaPlayer;
class MusicHandover;
class PlayList;
class TunePlayer;

// The engines the user's music and the built-in tune play on. A tank nobody
// listens to (the screensaver) has none.
struct SessionMusic {
    MediaPlayer& player;
    TunePlayer& tune;
    // The tune's wave file, asked for each time the tune starts.
    std::function<std::vector<std::uint8_t>()> tuneWav;
    int playListVolume;  // the Custom Music dialog's slider, 0..1000
    bool tuneOn = true;  // the built-in tune plays when the user's music does not
};

// The user's pictures and music for the tank's whole life, without a window:
// the pictures take turns on the wall, the play list goes on from track to
// track and the built-in tune gives way to the user's music. Whichever loop
// runs the tank calls Tick every kTickMs; the dialogs only show this state
// and forward the user's actions to it.
class TankSession {
  public:
    static constexpr int kTickMs = CustomBackgroundList::kTickMs;

    // Restores the play list (which starts playing when its box was on),
    // then the pictures (each one that does not load says so).
    TankSession(PictureTextureLoader& loader, const StartupSettings& settings,
                std::optional<SessionMusic> music);
    ~TankSession();
    TankSession(const TankSession&) = delete;
    TankSession& operator=(const TankSession&) = delete;

    CustomBackgroundList& Pictures() { return pictures_; }
    const CustomBackgroundList& Pictures() const { return pictures_; }
    // Null without music.
    PlayList* Music() { return playList_.get(); }

    // The pictures switch when their interval has passed, the play list acts
    // on what the media engine reported (the end of a track, a track that
    // cannot be played), and the hand-over learns whether the user's music is
    // on; then every listener is told.
    void Tick();
    // After every frame drawn: the built-in tune starts or stops.
    void AfterFrame();
    // The built-in tune's switch and level ("YINLIANG"), at once.
    void SetTune(bool on, int attenuation);
    // `listener` runs after every tick from now on, for as long as the session.
    void AfterEachTick(std::function<void()> listener);

  private:
    std::unique_ptr<PlayList> playList_;
    std::unique_ptr<MusicHandover> handover_;
    CustomBackgroundList pictures_;
    std::vector<std::function<void()>> tickListeners_;
};
