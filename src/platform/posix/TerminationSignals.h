#pragma once

// SIGTERM and SIGINT only raise a flag, which the UI thread polls and then
// ends the program as Escape does; so a signal never cuts a settings write or
// an unpacked resource short.
void InstallTerminationSignals();

// True once SIGTERM or SIGINT has arrived.
bool TerminationRequested();
