#include "media/MpvLibrary.h"
#include "platform/runtime/Translation.h"

#include <dlfcn.h>

#include <cstdio>
#include <optional>
#include <string>

namespace {
// The library the headers we were built with belong to.
std::string LibraryName() {
    return "libmpv.so." + std::to_string(MPV_CLIENT_API_VERSION >> 16);
}

template <typename Function>
bool Find(void* handle, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

std::optional<MpvLibrary> Load() {
    const std::string name = LibraryName();
    void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    MpvLibrary library{};
    library.handle = handle;
    const bool found = handle && Find(handle, "mpv_create", library.create) &&
                       Find(handle, "mpv_initialize", library.initialize) &&
                       Find(handle, "mpv_set_option_string", library.setOptionString) &&
                       Find(handle, "mpv_terminate_destroy", library.terminateDestroy) &&
                       Find(handle, "mpv_command_async", library.commandAsync) &&
                       Find(handle, "mpv_get_property", library.getProperty) &&
                       Find(handle, "mpv_set_property_async", library.setPropertyAsync) &&
                       Find(handle, "mpv_request_event", library.requestEvent) &&
                       Find(handle, "mpv_wait_event", library.waitEvent) &&
                       Find(handle, "mpv_stream_cb_add_ro", library.streamCbAddRo);
    if (found) return library;
    const char* why = dlerror();
    std::fprintf(stderr, "velmar: %s\n",
                 Filled(Tr("no music: %s"), why ? why : name.c_str()).c_str());
    return std::nullopt;
}
}  // namespace

const MpvLibrary* LoadMpvLibrary() {
    // The library stays loaded for the life of the process: its threads and
    // handlers may outlive any one player.
    static const std::optional<MpvLibrary> library = Load();
    return library ? &*library : nullptr;
}
