#include "resources/MenuArtwork.h"

wxImage MenuIconImage(int) {
    return wxImage();
}

wxCursor ModeCursor(int) {
    return wxCursor(wxCURSOR_ARROW);
}
