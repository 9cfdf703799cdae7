#pragma once

// Asks the driver of the current GLX context to wait for `interval` display
// refreshes at each buffer swap (0: no wait). True when the driver offers it
// and took the request.
bool SetSwapInterval(int interval);
