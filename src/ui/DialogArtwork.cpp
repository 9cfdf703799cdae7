#include "ui/DialogArtwork.h"

#include "core/resources/ResourceTable.h"
#include "ui/EmbeddedPng.h"

wxImage FishSettingsPanelImage() {
    return DecodeEmbeddedPng(ResourceType::kBitmap, kFishSettingsPanelId);
}
