#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One track at a time, times in milliseconds: what the play list asks of a
// media engine. The program's engine is libmpv (MpvPlayer); tests use a fake.
class MediaPlayer {
  public:
    virtual ~MediaPlayer() = default;

    // The file the next Open opens (a full path; empty for none).
    virtual void SetFile(const std::string& path) = 0;
    // Opens the file set last, releasing the one open before. Returns once the
    // engine has said whether it can play it (or after a short bound).
    virtual void Open() = 0;
    // Whether the file opened last can be played.
    virtual bool CanPlay() const = 0;
    virtual void Play() = 0;
    virtual void Stop() = 0;
    virtual void Close() = 0;
    virtual void Seek(int positionMs) = 0;
    // 0 when nothing is open or the engine does not know yet.
    virtual int GetPosition() const = 0;
    virtual int GetLength() const = 0;
    // 0..1000; out-of-range values are held to the range.
    virtual void SetVolume(int volume) = 0;
    virtual int Volume() const = 0;
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
};
