#pragma once

#include <mpv/client.h>
#include <mpv/stream_cb.h>

// libmpv's entry points. The library and the 160 libraries it brings
// are loaded when music is first wanted, not at every start: loading them
// costs a fifth of a second and some 30 MiB, which a start without music,
// --version and the screensaver need not pay.
struct MpvLibrary {
    decltype(&mpv_create) create;
    decltype(&mpv_initialize) initialize;
    decltype(&mpv_set_option_string) setOptionString;
    decltype(&mpv_terminate_destroy) terminateDestroy;
    decltype(&mpv_command_async) commandAsync;
    decltype(&mpv_get_property) getProperty;
    decltype(&mpv_set_property_async) setPropertyAsync;
    decltype(&mpv_request_event) requestEvent;
    decltype(&mpv_wait_event) waitEvent;
    decltype(&mpv_stream_cb_add_ro) streamCbAddRo;
    // The library's handle, for what the libraries it loaded define.
    void* handle;
};

// Loads the library once, on the first call from any thread; later callers
// wait for that load. Null when it cannot be loaded: there is no music then,
// and standard error says why once.
const MpvLibrary* LoadMpvLibrary();
