#include <cstdlib>
#include <cstring>

#include <wx/app.h>

#include "app/AquariumApp.h"
#include "app/ScreensaverHost.h"

wxIMPLEMENT_APP_NO_MAIN(CAquariumApp);

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "-root") == 0) return RunScreensaver(0);
    if (argc > 2 && std::strcmp(argv[1], "-window-id") == 0)
        return RunScreensaver(std::strtoul(argv[2], nullptr, 0));
    if (const char* env = std::getenv("XSCREENSAVER_WINDOW"))
        return RunScreensaver(std::strtoul(env, nullptr, 0));
    // The GL canvas is GLX only: on a Wayland desktop run through XWayland.
    setenv("GDK_BACKEND", "x11", 0);
    return wxEntry(argc, argv);
}
