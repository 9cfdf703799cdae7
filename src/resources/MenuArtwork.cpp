#include "resources/MenuArtwork.h"

#include <wx/mstream.h>

#include "resources/EmbeddedResourceTable.h"

namespace {
// The PNG stored as resource `id` of `type`, decoded; invalid when missing.
wxImage DecodeEmbeddedPng(ResourceType type, int id) {
    const std::optional<EmbeddedBlob> blob = FindEmbeddedResource(type, id);
    if (!blob) return wxImage();
    // Callers need not have set up wx's image handlers for our own artwork.
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    wxMemoryInputStream stream(blob->data, blob->size);
    return wxImage(stream, wxBITMAP_TYPE_PNG);
}
}  // namespace

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
