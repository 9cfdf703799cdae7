#include "resources/DialogArtwork.h"

#include "resources/EmbeddedPng.h"
#include "resources/ResourceIds.h"

wxImage FishSettingsPanelImage() {
    return DecodeEmbeddedPng(ResourceType::kBitmap, kFishSettingsPanelBitmapId);
}
