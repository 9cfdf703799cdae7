#include "ui/EmbeddedPng.h"

#include <wx/mstream.h>

wxImage DecodeEmbeddedPng(ResourceType type, int id) {
    const std::optional<EmbeddedBlob> blob = FindEmbeddedResource(type, id);
    return blob ? DecodeEmbeddedPng(*blob) : wxImage();
}

wxImage DecodeEmbeddedPng(const EmbeddedBlob& blob) {
    // Callers need not have set up wx's image handlers for our own artwork.
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    wxMemoryInputStream stream(blob.data, blob.size);
    return wxImage(stream, wxBITMAP_TYPE_PNG);
}
