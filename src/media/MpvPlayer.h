#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/music/MediaPlayer.h"
#include "media/MpvMemoryStream.h"

// libmpv's handle and events, named here so that this header needs none of mpv's.
struct mpv_handle;
struct mpv_event;

// Options set on a new mpv handle after the program's own; tests pass
// {"ao", "null"} so that nothing reaches a sound device.
using MpvOptions = std::vector<std::pair<std::string, std::string>>;

// The play list's engine: one mpv handle, made when the first track opens,
// one track at a time. Every call only queues requests and returns; mpv's
// answers (the track loaded, ended, or could not be played) are read from
// its event queue without waiting when TakeEvents is called. Without libmpv
// (loading, creation or start-up failed) nothing plays and every track
// opened reports that it cannot be played.
class MpvPlayer : public MediaPlayer {
  public:
    explicit MpvPlayer(const MpvOptions& extraOptions = {});
    ~MpvPlayer() override;
    MpvPlayer(const MpvPlayer&) = delete;
    MpvPlayer& operator=(const MpvPlayer&) = delete;

    void Open(const std::string& path) override;
    void Resume() override;
    void Close() override;
    void SetVolume(int volume) override;
    int Volume() const override;
    std::vector<TrackEvent> TakeEvents() override;

    // Whether libmpv starts (it does so now if it has not yet); false means
    // the player without an engine.
    bool HasEngine() { return Engine() != nullptr; }

  private:
    static constexpr std::int64_t kNoEntry = -1;

    // The handle, made on the first call; null without libmpv.
    mpv_handle* Engine();
    void Forget();
    void Read(const mpv_event& event, std::vector<TrackEvent>& events);

    MpvOptions extraOptions_;
    bool engineTried_ = false;
    mpv_handle* handle_ = nullptr;
    // The number of the open asked last, which the reply to its loadfile
    // carries; the play list entry mpv made for it, once that reply came; and
    // whether mpv has started that entry. Events of other entries are old.
    std::uint64_t openNumber_ = 0;
    std::int64_t entry_ = kNoEntry;
    bool entryStarted_ = false;
    // Events known without asking mpv.
    std::vector<TrackEvent> pending_;
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
