#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/music/MediaPlayer.h"
#include "media/MpvEngine.h"
#include "media/MpvMemoryStream.h"

// libmpv's events, named here so that this header needs none of mpv's.
struct mpv_event;

// The play list's engine: one mpv handle, started on a worker when the first
// track opens, one track at a time. Every call only queues requests and
// returns; what is asked while the engine starts is kept, the latest only,
// and handed to it by the first call that finds it running. mpv's answers
// (the track loaded, ended, or could not be played) are read from its event
// queue without waiting when TakeEvents is called. Without libmpv (loading,
// creation or start-up failed) nothing plays and every track opened reports
// that it cannot be played.
class MpvPlayer : public MediaPlayer {
  public:
    explicit MpvPlayer(const MpvOptions& extraOptions = {});
    MpvPlayer(const MpvPlayer&) = delete;
    MpvPlayer& operator=(const MpvPlayer&) = delete;

    void Open(const std::string& path) override;
    void Resume() override;
    void Close() override;
    void SetVolume(int volume) override;
    int Volume() const override;
    std::vector<TrackEvent> TakeEvents() override;

    // Whether the engine runs yet; never waits.
    bool HasEngine() { return Running() != nullptr; }

  private:
    static constexpr std::int64_t kNoEntry = -1;

    // The handle once the engine runs, with all that was asked handed to it;
    // null while it starts and without libmpv.
    mpv_handle* Running();
    void Load(const std::string& path);
    void Forget();
    void Read(const mpv_event& event, std::vector<TrackEvent>& events);

    MpvEngine engine_;
    // Asked for and not yet handed to the engine: the track to open, whether
    // it is to play, and whether the volume changed.
    std::optional<std::string> track_;
    bool trackPlays_ = false;
    bool volumeChanged_ = true;
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

// The built-in tune on an mpv handle of its own, started on a worker when the
// tune first starts; whether it plays once the engine runs is the latest
// call's word. The wave bytes reach mpv through a stream served from memory,
// so nothing is written to disk; both calls only queue requests and return
// without waiting on the audio engine.
class MpvTunePlayer : public TunePlayer {
  public:
    explicit MpvTunePlayer(const MpvOptions& extraOptions = {});
    MpvTunePlayer(const MpvTunePlayer&) = delete;
    MpvTunePlayer& operator=(const MpvTunePlayer&) = delete;

    void StartLooping(const std::vector<std::uint8_t>& wav, int volume) override;
    void Stop() override;
    void SetVolume(int volume) override;

    // Whether the engine runs yet; never waits.
    bool HasEngine() { return engine_.Poll() == MpvEngine::State::kRunning; }
    // Whether mpv has a tune loaded (asks the engine, so it may wait on it:
    // for tests and diagnostics, not the frame tick).
    bool IsLoaded();

  private:
    // Shared with the engine, which may outlive the player while it starts.
    std::shared_ptr<MpvMemoryStream> tune_;
    MpvEngine engine_;
};
