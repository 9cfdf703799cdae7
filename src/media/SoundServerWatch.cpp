#include "media/SoundServerWatch.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "media/MpvLibrary.h"

namespace {
constexpr auto kLookEvery = std::chrono::seconds(1);

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Where PulseAudio's and PipeWire's clients find their servers, as their
// libraries look when nothing else is configured.
std::vector<std::string> ServerSockets() {
    const std::string runtime = Environment("XDG_RUNTIME_DIR");
    std::string pulse = Environment("PULSE_SERVER");
    if (pulse.rfind("unix:", 0) == 0) pulse.erase(0, 5);
    if (pulse.empty() || pulse.front() != '/') {
        const std::string pulseRuntime = Environment("PULSE_RUNTIME_PATH");
        pulse = !pulseRuntime.empty() ? pulseRuntime + "/native"
                : runtime.empty()     ? ""
                                      : runtime + "/pulse/native";
    }
    std::string pipeWire = Environment("PIPEWIRE_REMOTE");
    if (pipeWire.empty()) pipeWire = "pipewire-0";
    if (pipeWire.front() != '/') {
        const std::string pipeWireRuntime = Environment("PIPEWIRE_RUNTIME_DIR");
        const std::string dir = pipeWireRuntime.empty() ? runtime : pipeWireRuntime;
        pipeWire = dir.empty() ? "" : dir + "/" + pipeWire;
    }
    std::vector<std::string> sockets;
    for (const std::string& socket : {pulse, pipeWire}) {
        if (!socket.empty()) sockets.push_back(socket);
    }
    return sockets;
}

// A socket file made anew is another file, even at the same path: a server
// that starts again removes the one before, or the one its killed
// predecessor left.
struct SocketFile {
    bool present = false;
    dev_t device = 0;
    ino_t inode = 0;
    long long changedNs = 0;

    bool operator==(const SocketFile& other) const {
        return present == other.present && device == other.device && inode == other.inode &&
               changedNs == other.changedNs;
    }
};

SocketFile Look(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISSOCK(status.st_mode)) return {};
    return {true, status.st_dev, status.st_ino,
            status.st_ctim.tv_sec * 1000000000LL + status.st_ctim.tv_nsec};
}

struct Watch {
    std::mutex mutex;
    std::vector<mpv_handle*> handles;
    bool started = false;
};

Watch& TheWatch() {
    // Never destroyed: the thread that reads it runs until the process ends.
    static Watch* watch = new Watch;
    return *watch;
}

void ReloadOutputs(Watch& watch) {
    std::lock_guard<std::mutex> lock(watch.mutex);
    for (mpv_handle* handle : watch.handles) {
        const char* reload[] = {"ao-reload", nullptr};
        LoadMpvLibrary()->commandAsync(handle, 0, reload);
    }
}

[[noreturn]] void LookForServers(Watch& watch, const std::vector<std::string>& sockets) {
    std::vector<SocketFile> seen;
    for (const std::string& socket : sockets) seen.push_back(Look(socket));
    for (;;) {
        std::this_thread::sleep_for(kLookEvery);
        bool madeAnew = false;
        for (std::size_t i = 0; i < sockets.size(); ++i) {
            const SocketFile now = Look(sockets[i]);
            madeAnew = madeAnew || (now.present && !(now == seen[i]));
            seen[i] = now;
        }
        if (madeAnew) ReloadOutputs(watch);
    }
}
}  // namespace

void WatchSoundServerFor(mpv_handle* handle) {
    Watch& watch = TheWatch();
    std::lock_guard<std::mutex> lock(watch.mutex);
    watch.handles.push_back(handle);
    if (watch.started) return;
    std::vector<std::string> sockets = ServerSockets();
    if (sockets.empty()) return;
    try {
        std::thread([&watch, sockets = std::move(sockets)] {
            LookForServers(watch, sockets);
        }).detach();
        watch.started = true;
    } catch (const std::system_error&) {
        // No thread to spare: a restarted server stays silent, as before.
    }
}

void StopWatchingSoundServerFor(mpv_handle* handle) {
    Watch& watch = TheWatch();
    std::lock_guard<std::mutex> lock(watch.mutex);
    watch.handles.erase(std::remove(watch.handles.begin(), watch.handles.end(), handle),
                        watch.handles.end());
}
