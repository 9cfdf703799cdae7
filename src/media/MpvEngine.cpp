#include "media/MpvEngine.h"

#include <dlfcn.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <mutex>
#include <system_error>
#include <thread>

#include "media/MpvLibrary.h"
#include "media/SoundServerWatch.h"

namespace {

// libasound prints its own errors to stderr, past mpv's terminal=no, when
// mpv probes ALSA on a machine without a sound card. libmpv loads libasound,
// so its handler is found among what libmpv brought without linking it here.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

void SilenceAlsaErrors(void* library) {
    static const bool silenced = [library] {
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        using SetHandler = int (*)(Handler);
        auto set = reinterpret_cast<SetHandler>(dlsym(library, "snd_lib_error_set_handler"));
        if (!set) return false;
        set(IgnoreAlsaError);
        return true;
    }();
    (void)silenced;
}

// What mpv needs of the whole process, set on the user-interface thread
// before any worker or engine thread can read it.
void PrepareProcess() {
    // mpv refuses to start unless numbers are parsed the C way.
    std::setlocale(LC_NUMERIC, "C");
    // libpipewire, which mpv probes first, prints to stderr on a machine
    // without a sound server; a user's own PIPEWIRE_DEBUG still wins.
    setenv("PIPEWIRE_DEBUG", "0", 0);
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

// A started handle with these options, or null when libmpv cannot run here.
mpv_handle* CreateHandle(const MpvOptions& options, const MpvEngine::SetUp& setUp) {
    const MpvLibrary* mpv = LoadMpvLibrary();
    if (!mpv) return nullptr;
    SilenceAlsaErrors(mpv->handle);
    mpv_handle* handle = mpv->create();
    if (!handle) return nullptr;
    for (const auto& [name, value] : options) {
        mpv->setOptionString(handle, name.c_str(), value.c_str());
    }
    if (mpv->initialize(handle) < 0 || !setUp(handle)) {
        mpv->terminateDestroy(handle);
        return nullptr;
    }
    return handle;
}

}  // namespace

// Shared by the owner and the worker, under the mutex; either may go first.
struct MpvEngine::Worker {
    std::mutex mutex;
    bool done = false;
    bool ownerGone = false;
    mpv_handle* handle = nullptr;
    std::function<void(mpv_handle*)> wish;
};

// An output the owner chose (the tests' null one) is left alone.
MpvEngine::MpvEngine(const MpvOptions& options, SetUp setUp)
    : options_(BaseOptions()),
      setUp_(std::move(setUp)),
      followsSoundServer_(std::none_of(options.begin(), options.end(),
                                       [](const auto& option) { return option.first == "ao"; })) {
    options_.insert(options_.end(), options.begin(), options.end());
}

MpvEngine::~MpvEngine() {
    if (state_ == State::kStarting) {
        std::lock_guard<std::mutex> lock(worker_->mutex);
        if (!worker_->done) {
            worker_->ownerGone = true;
            return;
        }
    }
    if (Poll() != State::kRunning) return;
    if (followsSoundServer_) StopWatchingSoundServerFor(handle_);
    LoadMpvLibrary()->terminateDestroy(handle_);
}

void MpvEngine::Start() {
    if (worker_) return;
    PrepareProcess();
    worker_ = std::make_shared<Worker>();
    state_ = State::kStarting;
    try {
        std::thread([worker = worker_, options = std::move(options_), setUp = std::move(setUp_),
                     follow = followsSoundServer_] {
            mpv_handle* handle = CreateHandle(options, setUp);
            std::unique_lock<std::mutex> lock(worker->mutex);
            if (!worker->ownerGone) {
                // Watched from here, as the owner may not ask for a while.
                if (handle && follow) WatchSoundServerFor(handle);
                if (handle && worker->wish) worker->wish(handle);
                worker->handle = handle;
                worker->done = true;
                return;
            }
            lock.unlock();
            if (handle) LoadMpvLibrary()->terminateDestroy(handle);
        }).detach();
    } catch (const std::system_error&) {
        // No thread to spare: no music, as without libmpv.
        worker_->done = true;
    }
}

MpvEngine::State MpvEngine::Poll() {
    if (state_ != State::kStarting) return state_;
    std::lock_guard<std::mutex> lock(worker_->mutex);
    if (!worker_->done) return state_;
    handle_ = worker_->handle;
    state_ = handle_ ? State::kRunning : State::kMissing;
    return state_;
}

void MpvEngine::Apply(std::function<void(mpv_handle*)> apply) {
    if (state_ == State::kStarting) {
        std::lock_guard<std::mutex> lock(worker_->mutex);
        if (!worker_->done) {
            worker_->wish = std::move(apply);
            return;
        }
    }
    if (Poll() == State::kRunning) apply(handle_);
}
