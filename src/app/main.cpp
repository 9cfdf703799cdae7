#include <cstdlib>

#include <wx/app.h>

#include "app/AquariumApp.h"

wxIMPLEMENT_APP_NO_MAIN(CAquariumApp);

int main(int argc, char** argv) {
    // The GL canvas is GLX only: on a Wayland desktop run through XWayland.
    setenv("GDK_BACKEND", "x11", 0);
    return wxEntry(argc, argv);
}
