#include "ui/EmbeddedPng.h"

#include <wx/mstream.h>

#include "platform/wx/ImageHandlers.h"

wxImage DecodeEmbeddedPng(ResourceType type, int id) {
    const std::optional<EmbeddedBlob> blob = FindEmbeddedResource(type, id);
    return blob ? DecodeEmbeddedPng(*blob) : wxImage();
}

wxImage DecodeEmbeddedPng(const EmbeddedBlob& blob) {
    // Callers need not have set up wx's image handlers for our own artwork.
    NeedImageHandler(wxBITMAP_TYPE_PNG);
    wxMemoryInputStream stream(blob.data, blob.size);
    return wxImage(stream, wxBITMAP_TYPE_PNG);
}
