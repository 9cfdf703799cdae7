#include "core/resources/ResourceTable.h"

#include "core/interaction/MenuCommands.h"

std::vector<PackedResource> PackedResources() {
    std::vector<PackedResource> resources;
    const auto scrambled = [&resources](const UnpackedAsset& asset) {
        const char* extension = asset.id == kTune.id ? ".wav" : ".bmp";
        resources.push_back({ResourceType::kRcad, asset.id, std::string(asset.name) + extension});
    };
    scrambled(kBackgroundPicture);
    scrambled(kBubblePicture);
    scrambled(kTune);
    for (const UnpackedAsset& skin : kFishSkinPictures) scrambled(skin);
    for (int id : MenuIconIds()) {
        resources.push_back({ResourceType::kIcon, id, "icon" + std::to_string(id) + ".png"});
    }
    for (int id : ModeCursorIds()) {
        resources.push_back({ResourceType::kCursor, id, "cursor" + std::to_string(id) + ".png"});
    }
    resources.push_back({ResourceType::kBitmap, kFishSettingsPanelId,
                         "bitmap" + std::to_string(kFishSettingsPanelId) + ".png"});
    for (int size : kAppIconSizes) {
        resources.push_back(
            {ResourceType::kAppIcon, size, "velmar-" + std::to_string(size) + ".png"});
    }
    return resources;
}
