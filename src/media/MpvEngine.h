#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// libmpv's handle, named here so that this header needs none of mpv's.
struct mpv_handle;

// Options set on a new mpv handle after the program's own; tests pass
// {"ao", "null"} so that nothing reaches a sound device.
using MpvOptions = std::vector<std::pair<std::string, std::string>>;

// One mpv handle, made on a worker thread: loading libmpv and starting the
// engine take a quarter of a second the first time, which the user-interface
// thread must not wait through. Its owner asks how far the worker got without
// waiting. An owner that goes before the worker is done leaves the handle to
// the worker, which destroys it, so nobody waits at exit.
class MpvEngine {
  public:
    enum class State {
        kNotStarted,
        kStarting,
        kRunning,  // Handle() is set
        kMissing,  // no libmpv here, or it would not start: nothing plays
    };
    // Runs on the worker once the engine runs, before the owner sees it;
    // false makes the engine missing.
    using SetUp = std::function<bool(mpv_handle*)>;

    MpvEngine(const MpvOptions& options, SetUp setUp);
    ~MpvEngine();
    MpvEngine(const MpvEngine&) = delete;
    MpvEngine& operator=(const MpvEngine&) = delete;

    // Starts the worker on the first call; later calls do nothing.
    void Start();
    // How far the worker got; never waits.
    State Poll();
    // Null unless running.
    mpv_handle* Handle() const { return handle_; }
    // Runs `apply` on the handle: now when the engine runs; while it starts,
    // on the worker once it runs, in place of any asked for before (only the
    // latest wish counts); never when it has not started or is missing.
    void Apply(std::function<void(mpv_handle*)> apply);

  private:
    struct Worker;

    MpvOptions options_;
    SetUp setUp_;
    // Reopens its output when the sound server starts again (SoundServerWatch).
    bool followsSoundServer_;
    std::shared_ptr<Worker> worker_;
    State state_ = State::kNotStarted;
    mpv_handle* handle_ = nullptr;
};
