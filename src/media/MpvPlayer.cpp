#include "media/MpvPlayer.h"

#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "core/music/MusicHandover.h"
#include "media/MpvLibrary.h"

namespace {

// How long Open waits for mpv to say whether it can play the file, and Seek
// for the seek to take effect.
constexpr std::chrono::milliseconds kOpenBound{2000};
constexpr std::chrono::milliseconds kSeekBound{500};

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

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

int ToMs(double seconds) {
    if (!std::isfinite(seconds) || seconds <= 0) return 0;
    return static_cast<int>(std::lround(std::min(seconds, 2.0e6) * 1000.0));
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
    MpvOptions options = BaseOptions();
    // A finished track stays loaded and paused at its end, so its position
    // reads as its length, which is how the play list sees that it ended.
    options.emplace_back("keep-open", "yes");
    handle_ = CreateHandle(options, extraOptions_);
    SetVolume(volume_);
    return handle_;
}

MpvPlayer::~MpvPlayer() {
    if (handle_) Mpv().terminateDestroy(handle_);
}

void MpvPlayer::SetFile(const std::string& path) {
    file_ = path;
}

void MpvPlayer::Open() {
    // No file only stops what was loaded. Without an engine yet there is
    // nothing to stop, and starting one (libmpv's load, a player's threads)
    // would hold up the first frame for a play list that may never play.
    if (file_.empty()) {
        Close();
        return;
    }
    canPlay_ = false;
    if (!Engine()) return;
    DrainEvents();
    int pause = 1;
    Mpv().setProperty(handle_, "pause", MPV_FORMAT_FLAG, &pause);
    const char* load[] = {"loadfile", file_.c_str(), "replace", nullptr};
    mpv_node result{};
    if (Mpv().commandRet(handle_, load, &result) < 0) return;
    const std::int64_t entry = PlaylistEntryId(result);
    Mpv().freeNodeContents(&result);

    // The file replaced reports its own end first; only events of the new
    // entry count.
    const auto deadline = std::chrono::steady_clock::now() + kOpenBound;
    bool started = false;
    for (auto now = std::chrono::steady_clock::now(); now < deadline;
         now = std::chrono::steady_clock::now()) {
        const mpv_event* event = Mpv().waitEvent(handle_, Seconds(deadline - now));
        switch (event->event_id) {
            case MPV_EVENT_START_FILE: {
                const auto* start = static_cast<const mpv_event_start_file*>(event->data);
                started = entry < 0 || start->playlist_entry_id == entry;
                break;
            }
            case MPV_EVENT_FILE_LOADED:
                if (started) {
                    canPlay_ = true;
                    pausedAtMs_ = 0;
                    return;
                }
                break;
            case MPV_EVENT_END_FILE: {
                const auto* end = static_cast<const mpv_event_end_file*>(event->data);
                if (started && (entry < 0 || end->playlist_entry_id == entry)) return;
                break;
            }
            case MPV_EVENT_SHUTDOWN:
                return;
            default:
                break;
        }
    }
}

bool MpvPlayer::CanPlay() const {
    return canPlay_;
}

void MpvPlayer::Play() {
    if (!handle_ || !canPlay_) return;
    DrainEvents();
    int pause = 0;
    Mpv().setProperty(handle_, "pause", MPV_FORMAT_FLAG, &pause);
    pausedAtMs_ = -1;
}

void MpvPlayer::Stop() {
    if (!handle_ || !canPlay_) return;
    DrainEvents();
    int pause = 1;
    Mpv().setProperty(handle_, "pause", MPV_FORMAT_FLAG, &pause);
    SeekSeconds(0);
    pausedAtMs_ = 0;
}

void MpvPlayer::Close() {
    canPlay_ = false;
    if (!handle_) return;
    DrainEvents();
    const char* stop[] = {"stop", nullptr};
    Mpv().command(handle_, stop);
}

void MpvPlayer::Seek(int positionMs) {
    if (!handle_ || !canPlay_) return;
    DrainEvents();
    positionMs = std::max(positionMs, 0);
    SeekSeconds(positionMs);
    // mpv pauses by itself at the end of a track (keep-open).
    int paused = 0;
    Mpv().getProperty(handle_, "pause", MPV_FORMAT_FLAG, &paused);
    pausedAtMs_ = paused ? positionMs : -1;
}

// mpv takes the seek at its next turn; waiting for its seek event means the
// position read right after Seek is the new one.
void MpvPlayer::SeekSeconds(int positionMs) {
    // Whole digits, so the text does not depend on the locale.
    const std::string target = std::to_string(positionMs / 1000) + "." +
                               std::to_string(1000 + positionMs % 1000).substr(1);
    const char* seek[] = {"seek", target.c_str(), "absolute+exact", nullptr};
    if (Mpv().command(handle_, seek) < 0) return;
    const auto deadline = std::chrono::steady_clock::now() + kSeekBound;
    for (auto now = std::chrono::steady_clock::now(); now < deadline;
         now = std::chrono::steady_clock::now()) {
        const mpv_event_id id = Mpv().waitEvent(handle_, Seconds(deadline - now))->event_id;
        if (id == MPV_EVENT_SEEK || id == MPV_EVENT_END_FILE || id == MPV_EVENT_SHUTDOWN) return;
    }
}

int MpvPlayer::GetPosition() const {
    if (!handle_ || !canPlay_) return 0;
    const int length = GetLength();
    int eof = 0;
    if (Mpv().getProperty(handle_, "eof-reached", MPV_FORMAT_FLAG, &eof) >= 0 && eof) {
        return length;
    }
    if (pausedAtMs_ >= 0) return length > 0 ? std::min(pausedAtMs_, length) : pausedAtMs_;
    double seconds = 0;
    if (Mpv().getProperty(handle_, "time-pos", MPV_FORMAT_DOUBLE, &seconds) < 0) return 0;
    const int position = ToMs(seconds);
    return length > 0 ? std::min(position, length) : position;
}

int MpvPlayer::GetLength() const {
    if (!handle_ || !canPlay_) return 0;
    double seconds = 0;
    if (Mpv().getProperty(handle_, "duration", MPV_FORMAT_DOUBLE, &seconds) < 0) return 0;
    return ToMs(seconds);
}

void MpvPlayer::SetVolume(int volume) {
    volume_ = std::clamp(volume, 0, 1000);
    if (!handle_) return;
    DrainEvents();
    double mpvVolume = volume_ / 10.0;
    Mpv().setPropertyAsync(handle_, 0, "volume", MPV_FORMAT_DOUBLE, &mpvVolume);
}

int MpvPlayer::Volume() const {
    return volume_;
}

// Replies and playback events pile up in mpv's bounded queue unless read; a
// full queue would make the asynchronous requests fail.
void MpvPlayer::DrainEvents() {
    DrainQueuedEvents(handle_);
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
    // Each turn of the loop raises playback events that nobody reads here;
    // switched off, they cannot fill the queue between two calls.
    if (handle_) {
        for (int id = MPV_EVENT_NONE + 1; id <= MPV_EVENT_HOOK; ++id) {
            if (id != MPV_EVENT_SHUTDOWN)
                Mpv().requestEvent(handle_, static_cast<mpv_event_id>(id), 0);
        }
    }
    return handle_;
}

MpvTunePlayer::~MpvTunePlayer() {
    if (handle_) Mpv().terminateDestroy(handle_);
}

void MpvTunePlayer::StartLooping(const std::vector<std::uint8_t>& wav, int volume) {
    if (!Engine()) return;
    DrainEvents();
    double mpvVolume = EngineVolumeForLevel(volume);
    Mpv().setPropertyAsync(handle_, 0, "volume", MPV_FORMAT_DOUBLE, &mpvVolume);
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
