#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/music/MediaPlayer.h"
#include "media/MpvMemoryStream.h"

// libmpv's handle, named here so that this header needs none of mpv's.
struct mpv_handle;

// Options set on a new mpv handle after the program's own; tests pass
// {"ao", "null"} so that nothing reaches a sound device.
using MpvOptions = std::vector<std::pair<std::string, std::string>>;

// The play list's engine: one mpv handle, made when the first track opens,
// one track at a time. After Open the track waits paused at 0; Play resumes,
// Stop pauses and rewinds to 0 with the file still open. A track that played
// to its end stays open and paused there, reporting GetPosition() ==
// GetLength(). Without libmpv (loading, creation or start-up failed) every
// call is a silent no-op and CanPlay() is false.
class MpvPlayer : public MediaPlayer {
  public:
    explicit MpvPlayer(const MpvOptions& extraOptions = {});
    ~MpvPlayer() override;
    MpvPlayer(const MpvPlayer&) = delete;
    MpvPlayer& operator=(const MpvPlayer&) = delete;

    void SetFile(const std::string& path) override;
    void Open() override;
    bool CanPlay() const override;
    void Play() override;
    void Stop() override;
    void Close() override;
    void Seek(int positionMs) override;
    int GetPosition() const override;
    int GetLength() const override;
    void SetVolume(int volume) override;
    int Volume() const override;

    // Whether libmpv starts (it does so now if it has not yet); false means
    // the silent no-op player.
    bool HasEngine() { return Engine() != nullptr; }

  private:
    // The handle, made on the first call; null without libmpv.
    mpv_handle* Engine();
    void DrainEvents();
    void SeekSeconds(int positionMs);

    MpvOptions extraOptions_;
    bool engineTried_ = false;
    mpv_handle* handle_ = nullptr;
    std::string file_;
    bool canPlay_ = false;
    // Where we paused the track (Open, Stop, Seek while paused), or -1 while
    // it plays. mpv reads time-pos through the audio output's buffer, which
    // while paused can lag the seek target by the buffer's length.
    int pausedAtMs_ = -1;
    int volume_ = 1000;
};

// The built-in tune on an mpv handle of its own, made when the tune first
// starts. The wave bytes reach mpv through a stream served from memory, so
// nothing is written to disk; both calls only queue requests and return
// without waiting on the audio engine.
class MpvTunePlayer : public TunePlayer {
  public:
    explicit MpvTunePlayer(const MpvOptions& extraOptions = {});
    ~MpvTunePlayer() override;
    MpvTunePlayer(const MpvTunePlayer&) = delete;
    MpvTunePlayer& operator=(const MpvTunePlayer&) = delete;

    void StartLooping(const std::vector<std::uint8_t>& wav, int volume) override;
    void Stop() override;

    bool HasEngine() { return Engine() != nullptr; }
    // Whether mpv has a tune loaded (asks the engine, so it may wait on it:
    // for tests and diagnostics, not the frame tick).
    bool IsLoaded() const;

  private:
    mpv_handle* Engine();
    void DrainEvents();

    MpvOptions extraOptions_;
    bool engineTried_ = false;
    mpv_handle* handle_ = nullptr;
    MpvMemoryStream tune_;
};
