#include "ui/MenuArtwork.h"

#include "ui/EmbeddedPng.h"

wxImage MenuIconImage(int id) {
    return DecodeEmbeddedPng(ResourceType::kIcon, id);
}

wxCursor ModeCursor(int id) {
    wxImage image = DecodeEmbeddedPng(ResourceType::kCursor, id);
    if (!image.IsOk()) return wxCursor(wxCURSOR_ARROW);
    // The pictures are drawn to act at their top-left corner.
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, 0);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, 0);
    return wxCursor(image);
}
