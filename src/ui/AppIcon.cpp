#include "ui/AppIcon.h"

#include "ui/EmbeddedPng.h"

wxIconBundle AppIconBundle() {
    wxIconBundle icons;
    for (const EmbeddedBlob& blob : EmbeddedResourcesOf(ResourceType::kAppIcon)) {
        const wxImage image = DecodeEmbeddedPng(blob);
        if (image.IsOk()) {
            wxIcon icon;
            icon.CopyFromBitmap(wxBitmap(image));
            icons.AddIcon(icon);
        }
    }
    return icons;
}
