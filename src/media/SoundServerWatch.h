#pragma once

// libmpv's handle, named here so that this header needs none of mpv's.
struct mpv_handle;

// A sound server that restarts under a running program (PulseAudio or
// PipeWire, as when a headset is switched or a desktop's audio crashes) leaves
// mpv's output on the connection that died, or on the null output it fell back
// to while no server was there: nothing plays again. A thread of its own looks
// at the servers' sockets once a second; when one is made anew, every handle
// watched is asked to reopen its output (mpv's ao-reload). In between it
// sleeps: nothing is retried while the server is away, and the frames never
// wait on it.
void WatchSoundServerFor(mpv_handle* handle);
// Before the handle is destroyed.
void StopWatchingSoundServerFor(mpv_handle* handle);
