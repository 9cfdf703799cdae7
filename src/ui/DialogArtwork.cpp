#include "ui/DialogArtwork.h"

#include "core/resources/ResourceIds.h"
#include "ui/EmbeddedPng.h"

wxImage FishSettingsPanelImage() {
    return DecodeEmbeddedPng(ResourceType::kBitmap, kFishSettingsPanelBitmapId);
}
