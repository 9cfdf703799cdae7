#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a media engine learns about the track opened last, in the order it
// learns it: ready, then ended; or, at any point, that it cannot be played.
enum class TrackEvent {
    kReady,       // loaded: it plays, or waits paused at its start
    kEnded,       // it played to its end
    kCannotPlay,  // not a sound the engine knows, gone, or unreadable
};

// One track at a time, as the play list asks of a media engine. The program's
// engine is libmpv (MpvPlayer); tests use a fake. No call waits for the
// engine: an open only starts loading, and what the engine then learns comes
// back as events, collected at the caller's pace.
class MediaPlayer {
  public:
    virtual ~MediaPlayer() = default;

    // Starts loading the file at `path` in place of the track before, to
    // wait paused at its start. Events of earlier tracks are not reported.
    virtual void Open(const std::string& path) = 0;
    // Plays the track opened last: now, or once it has loaded.
    virtual void Resume() = 0;
    // Lets the track go: nothing plays, the file is no longer held and no
    // event of it is reported.
    virtual void Close() = 0;
    // 0..1000; out-of-range values are held to the range.
    virtual void SetVolume(int volume) = 0;
    virtual int Volume() const = 0;
    // The events of the track opened last since the previous call, oldest
    // first; never waits.
    virtual std::vector<TrackEvent> TakeEvents() = 0;
};

// The built-in tune: one looping sound that starts and stops without waiting
// for the engine, so the frame tick never stalls on audio.
class TunePlayer {
  public:
    virtual ~TunePlayer() = default;
    // Loops the wave file held in `wav` at `volume` (0..65535, the same on
    // both channels), from the start. Nothing it leaves on disk outlives the
    // playback.
    virtual void StartLooping(const std::vector<std::uint8_t>& wav, int volume) = 0;
    virtual void Stop() = 0;
    // The level of the tune that plays, as StartLooping takes it.
    virtual void SetVolume(int volume) = 0;
};
