#include "media/MpvPlayer.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "media/MpvLibrary.h"
#include "media/MpvVolume.h"

namespace {

// Only asked for where a handle exists, which means the library loaded.
const MpvLibrary& Mpv() {
    return *LoadMpvLibrary();
}

void DrainQueuedEvents(mpv_handle* handle) {
    while (Mpv().waitEvent(handle, 0)->event_id != MPV_EVENT_NONE) {
    }
}

// Events nobody reads still fill mpv's bounded queue between two reads, and a
// full queue makes the asynchronous requests fail: only `wanted` are raised.
void RaiseOnly(mpv_handle* handle, std::initializer_list<mpv_event_id> wanted) {
    for (int id = MPV_EVENT_NONE + 1; id <= MPV_EVENT_HOOK; ++id) {
        const bool raise =
            id == MPV_EVENT_SHUTDOWN || std::find(wanted.begin(), wanted.end(), id) != wanted.end();
        Mpv().requestEvent(handle, static_cast<mpv_event_id>(id), raise);
    }
}

void SetPaused(mpv_handle* handle, bool paused) {
    int flag = paused;
    Mpv().setPropertyAsync(handle, 0, "pause", MPV_FORMAT_FLAG, &flag);
}

void SetVolumeAsync(mpv_handle* handle, double volume) {
    Mpv().setPropertyAsync(handle, 0, "volume", MPV_FORMAT_DOUBLE, &volume);
}

std::int64_t PlaylistEntryId(const mpv_node& result) {
    if (result.format != MPV_FORMAT_NODE_MAP) return -1;
    const mpv_node_list* map = result.u.list;
    for (int i = 0; i < map->num; ++i) {
        if (std::strcmp(map->keys[i], "playlist_entry_id") == 0 &&
            map->values[i].format == MPV_FORMAT_INT64) {
            return map->values[i].u.int64;
        }
    }
    return -1;
}

}  // namespace

MpvPlayer::MpvPlayer(const MpvOptions& extraOptions)
    : engine_(extraOptions, [](mpv_handle* handle) {
          // The end of a track is its end-file event (reason: end of file or error).
          RaiseOnly(handle, {MPV_EVENT_COMMAND_REPLY, MPV_EVENT_START_FILE, MPV_EVENT_FILE_LOADED,
                             MPV_EVENT_END_FILE});
          return true;
      }) {}

mpv_handle* MpvPlayer::Running() {
    switch (engine_.Poll()) {
        case MpvEngine::State::kNotStarted:
        case MpvEngine::State::kStarting:
            return nullptr;
        case MpvEngine::State::kMissing:
            if (track_) pending_.push_back(TrackEvent::kCannotPlay);
            track_.reset();
            return nullptr;
        case MpvEngine::State::kRunning:
            break;
    }
    mpv_handle* handle = engine_.Handle();
    if (volumeChanged_) SetVolumeAsync(handle, MpvVolumeForPlayList(volume_));
    volumeChanged_ = false;
    if (track_) {
        Load(*std::exchange(track_, std::nullopt));
        if (trackPlays_) SetPaused(handle, false);
    }
    return handle;
}

void MpvPlayer::Open(const std::string& path) {
    Forget();
    track_ = path;
    trackPlays_ = false;
    engine_.Start();
    Running();
}

// Requests on one handle run in order: the track starts paused.
void MpvPlayer::Load(const std::string& path) {
    mpv_handle* handle = engine_.Handle();
    SetPaused(handle, true);
    const char* load[] = {"loadfile", path.c_str(), "replace", nullptr};
    if (Mpv().commandAsync(handle, openNumber_, load) < 0) {
        pending_.push_back(TrackEvent::kCannotPlay);
    }
}

void MpvPlayer::Resume() {
    trackPlays_ = true;
    if (mpv_handle* handle = Running()) SetPaused(handle, false);
}

void MpvPlayer::Close() {
    Forget();
    track_.reset();
    mpv_handle* handle = Running();
    if (!handle) return;
    const char* stop[] = {"stop", nullptr};
    Mpv().commandAsync(handle, 0, stop);
}

// Whatever mpv still says of the track before is old from now on.
void MpvPlayer::Forget() {
    ++openNumber_;
    entry_ = kNoEntry;
    entryStarted_ = false;
    pending_.clear();
}

void MpvPlayer::SetVolume(int volume) {
    volume_ = std::clamp(volume, 0, 1000);
    volumeChanged_ = true;
    Running();
}

int MpvPlayer::Volume() const {
    return volume_;
}

std::vector<TrackEvent> MpvPlayer::TakeEvents() {
    mpv_handle* handle = Running();
    std::vector<TrackEvent> events = std::exchange(pending_, {});
    if (!handle) return events;
    for (const mpv_event* event = Mpv().waitEvent(handle, 0); event->event_id != MPV_EVENT_NONE;
         event = Mpv().waitEvent(handle, 0)) {
        Read(*event, events);
    }
    return events;
}

// mpv answers a loadfile before it starts the entry, and the entry replaced
// ends after that: an entry's events are known to be the track's own.
void MpvPlayer::Read(const mpv_event& event, std::vector<TrackEvent>& events) {
    switch (event.event_id) {
        case MPV_EVENT_COMMAND_REPLY:
            if (event.reply_userdata != openNumber_) return;
            if (event.error < 0) {
                events.push_back(TrackEvent::kCannotPlay);
            } else {
                entry_ = PlaylistEntryId(static_cast<const mpv_event_command*>(event.data)->result);
            }
            return;
        case MPV_EVENT_START_FILE:
            entryStarted_ =
                entry_ != kNoEntry &&
                static_cast<const mpv_event_start_file*>(event.data)->playlist_entry_id == entry_;
            return;
        case MPV_EVENT_FILE_LOADED:
            if (entryStarted_) events.push_back(TrackEvent::kReady);
            return;
        case MPV_EVENT_END_FILE: {
            const auto* end = static_cast<const mpv_event_end_file*>(event.data);
            if (entry_ == kNoEntry || end->playlist_entry_id != entry_) return;
            if (end->reason == MPV_END_FILE_REASON_EOF) {
                events.push_back(TrackEvent::kEnded);
            } else if (end->reason == MPV_END_FILE_REASON_ERROR) {
                events.push_back(TrackEvent::kCannotPlay);
            }
            return;
        }
        default:
            return;
    }
}

MpvTunePlayer::MpvTunePlayer(const MpvOptions& extraOptions)
    : tune_(std::make_shared<MpvMemoryStream>()),
      engine_(
          [&extraOptions] {
              MpvOptions options = {{"loop-file", "inf"}};
              options.insert(options.end(), extraOptions.begin(), extraOptions.end());
              return options;
          }(),
          [tune = tune_](mpv_handle* handle) {
              // Each turn of the loop raises playback events that nobody reads here.
              RaiseOnly(handle, {});
              return tune->Register(Mpv(), handle);
          }) {}

// Nobody waits on the handle's replies: reading them before each request
// keeps the queue from filling over a long run of starts and stops.
void MpvTunePlayer::StartLooping(const std::vector<std::uint8_t>& wav, int volume) {
    tune_->SetBytes(wav);
    engine_.Start();
    engine_.Apply([volume](mpv_handle* handle) {
        DrainQueuedEvents(handle);
        SetVolumeAsync(handle, MpvVolumeForAmplitude(volume));
        const char* load[] = {"loadfile", MpvMemoryStream::kUrl, "replace", nullptr};
        Mpv().commandAsync(handle, 0, load);
    });
}

void MpvTunePlayer::SetVolume(int volume) {
    engine_.Apply(
        [volume](mpv_handle* handle) { SetVolumeAsync(handle, MpvVolumeForAmplitude(volume)); });
}

void MpvTunePlayer::Stop() {
    engine_.Apply([](mpv_handle* handle) {
        DrainQueuedEvents(handle);
        const char* stop[] = {"stop", nullptr};
        Mpv().commandAsync(handle, 0, stop);
    });
}

bool MpvTunePlayer::IsLoaded() {
    if (engine_.Poll() != MpvEngine::State::kRunning) return false;
    int idle = 1;
    return Mpv().getProperty(engine_.Handle(), "idle-active", MPV_FORMAT_FLAG, &idle) >= 0 && !idle;
}
