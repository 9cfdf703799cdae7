#include "media/MpvPlayer.h"

#include <dlfcn.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "media/MpvLibrary.h"
#include "media/MpvVolume.h"

namespace {

// libasound prints its own errors to stderr, past mpv's terminal=no, when
// mpv probes ALSA on a machine without a sound card. libmpv loads libasound,
// so its handler is found among what libmpv brought without linking it here.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

void SilenceSoundLibraryErrors(void* library) {
    static const bool silenced = [library] {
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        using SetHandler = int (*)(Handler);
        auto set = reinterpret_cast<SetHandler>(dlsym(library, "snd_lib_error_set_handler"));
        if (!set) return false;
        set(IgnoreAlsaError);
        return true;
    }();
    (void)silenced;
    // Likewise libpipewire, which mpv probes first, on a machine without a
    // sound server; a user's own PIPEWIRE_DEBUG still wins. Set once, before
    // any engine thread can read the environment.
    static const bool quietPipewire = setenv("PIPEWIRE_DEBUG", "0", 0) == 0;
    (void)quietPipewire;
}

// A started handle with the program's options, or null when libmpv cannot run
// here (the callers then play nothing).
mpv_handle* CreateHandle(const MpvOptions& common, const MpvOptions& extra) {
    const MpvLibrary* mpv = LoadMpvLibrary();
    if (!mpv) return nullptr;
    // mpv refuses to start unless numbers are parsed the C way.
    std::setlocale(LC_NUMERIC, "C");
    SilenceSoundLibraryErrors(mpv->handle);
    mpv_handle* handle = mpv->create();
    if (!handle) return nullptr;
    for (const MpvOptions* options : {&common, &extra}) {
        for (const auto& [name, value] : *options) {
            mpv->setOptionString(handle, name.c_str(), value.c_str());
        }
    }
    if (mpv->initialize(handle) < 0) {
        mpv->terminateDestroy(handle);
        return nullptr;
    }
    return handle;
}

// Only asked for where a handle exists, which means the library loaded.
const MpvLibrary& Mpv() {
    return *LoadMpvLibrary();
}

// Audio only, no window, no terminal output or user configuration, and a null
// output when there is no sound device, so that a machine without sound runs
// silently instead of failing.
const MpvOptions& BaseOptions() {
    static const MpvOptions options = {
        {"vid", "no"},
        {"vo", "null"},
        {"idle", "yes"},
        {"terminal", "no"},
        {"config", "no"},
        {"input-default-bindings", "no"},
        {"audio-fallback-to-null", "yes"},
        // None of the engine's scripts and extras serve a player without a window.
        {"load-scripts", "no"},
        {"ytdl", "no"},
        {"osc", "no"},
        {"load-stats-overlay", "no"},
        {"load-osd-console", "no"},
        {"load-auto-profiles", "no"},
        {"sub-auto", "no"},
        {"audio-display", "no"},
    };
    return options;
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

MpvPlayer::MpvPlayer(const MpvOptions& extraOptions) : extraOptions_(extraOptions) {}

mpv_handle* MpvPlayer::Engine() {
    if (engineTried_) return handle_;
    engineTried_ = true;
    handle_ = CreateHandle(BaseOptions(), extraOptions_);
    if (!handle_) return nullptr;
    // The end of a track is its end-file event (reason: end of file or error).
    RaiseOnly(handle_, {MPV_EVENT_COMMAND_REPLY, MPV_EVENT_START_FILE, MPV_EVENT_FILE_LOADED,
                        MPV_EVENT_END_FILE});
    SetVolumeAsync(handle_, MpvVolumeForPlayList(volume_));
    return handle_;
}

MpvPlayer::~MpvPlayer() {
    if (handle_) Mpv().terminateDestroy(handle_);
}

void MpvPlayer::Open(const std::string& path) {
    Forget();
    if (!Engine()) {
        pending_.push_back(TrackEvent::kCannotPlay);
        return;
    }
    // Requests on one handle run in order: the track starts paused.
    SetPaused(handle_, true);
    const char* load[] = {"loadfile", path.c_str(), "replace", nullptr};
    if (Mpv().commandAsync(handle_, openNumber_, load) < 0) {
        pending_.push_back(TrackEvent::kCannotPlay);
    }
}

void MpvPlayer::Resume() {
    if (handle_) SetPaused(handle_, false);
}

void MpvPlayer::Close() {
    Forget();
    if (!handle_) return;
    const char* stop[] = {"stop", nullptr};
    Mpv().commandAsync(handle_, 0, stop);
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
    if (handle_) SetVolumeAsync(handle_, MpvVolumeForPlayList(volume_));
}

int MpvPlayer::Volume() const {
    return volume_;
}

std::vector<TrackEvent> MpvPlayer::TakeEvents() {
    std::vector<TrackEvent> events = std::exchange(pending_, {});
    if (!handle_) return events;
    for (const mpv_event* event = Mpv().waitEvent(handle_, 0); event->event_id != MPV_EVENT_NONE;
         event = Mpv().waitEvent(handle_, 0)) {
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

MpvTunePlayer::MpvTunePlayer(const MpvOptions& extraOptions) : extraOptions_(extraOptions) {}

mpv_handle* MpvTunePlayer::Engine() {
    if (engineTried_) return handle_;
    engineTried_ = true;
    MpvOptions options = BaseOptions();
    options.emplace_back("loop-file", "inf");
    handle_ = CreateHandle(options, extraOptions_);
    if (handle_ && !tune_.Register(Mpv(), handle_)) {
        Mpv().terminateDestroy(handle_);
        handle_ = nullptr;
    }
    // Each turn of the loop raises playback events that nobody reads here.
    if (handle_) RaiseOnly(handle_, {});
    return handle_;
}

MpvTunePlayer::~MpvTunePlayer() {
    if (handle_) Mpv().terminateDestroy(handle_);
}

void MpvTunePlayer::StartLooping(const std::vector<std::uint8_t>& wav, int volume) {
    if (!Engine()) return;
    DrainEvents();
    SetVolumeAsync(handle_, MpvVolumeForAmplitude(volume));
    tune_.SetBytes(wav);
    const char* load[] = {"loadfile", MpvMemoryStream::kUrl, "replace", nullptr};
    Mpv().commandAsync(handle_, 0, load);
}

void MpvTunePlayer::Stop() {
    if (!handle_) return;
    DrainEvents();
    const char* stop[] = {"stop", nullptr};
    Mpv().commandAsync(handle_, 0, stop);
}

bool MpvTunePlayer::IsLoaded() const {
    if (!handle_) return false;
    int idle = 1;
    return Mpv().getProperty(handle_, "idle-active", MPV_FORMAT_FLAG, &idle) >= 0 && !idle;
}

// Nobody waits on this handle's replies; reading them keeps the queue from
// filling over a long run of starts and stops.
void MpvTunePlayer::DrainEvents() {
    DrainQueuedEvents(handle_);
}
