#include "ui/MenuArtwork.h"

#include "core/interaction/MenuCommands.h"
#include "ui/EmbeddedPng.h"

wxImage MenuIconImage(int id) {
    return DecodeEmbeddedPng(ResourceType::kIcon, id);
}

wxCursor ModeCursor(int id) {
    wxImage image = DecodeEmbeddedPng(ResourceType::kCursor, id);
    if (!image.IsOk()) return wxCursor(wxCURSOR_ARROW);
    const CursorHotSpot point = CursorHotSpotOf(id);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, point.x);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, point.y);
    return wxCursor(image);
}
