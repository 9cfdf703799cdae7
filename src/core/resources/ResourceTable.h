#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/resources/EmbeddedResourceTable.h"
#include "core/tank/SchoolLayout.h"

// Every resource the program carries, in the one table that the painter, the
// packer and the program share.

// How an unpacked picture becomes a texture.
enum class LoadedAs { kNotATexture, kRgbaWithMipmaps, kScaledBitmap };

// A resource of type "RCAD": scrambled in the program and unpacked under
// `name` (see UnpackedFiles.h) for a loader to read.
struct UnpackedAsset {
    int id;
    const char* name;
    LoadedAs loadedAs;
};

inline constexpr UnpackedAsset kBackgroundPicture{154, "BackGround0",
                                                  LoadedAs::kRgbaWithMipmaps};  // 1024 x 512
inline constexpr UnpackedAsset kBubblePicture{166, "Particle1",
                                              LoadedAs::kScaledBitmap};      // 32 x 32
inline constexpr UnpackedAsset kTune{227, "Music", LoadedAs::kNotATexture};  // a looping WAV
// One skin a species, 128 x 64 each.
inline constexpr std::array<UnpackedAsset, kSpeciesCount> kFishSkinPictures{{
    {10000, "fish0", LoadedAs::kScaledBitmap},
    {10001, "fish1", LoadedAs::kScaledBitmap},
    {10002, "fish2", LoadedAs::kScaledBitmap},
    {10003, "fish3", LoadedAs::kScaledBitmap},
    {10004, "fish4", LoadedAs::kScaledBitmap},
    {10005, "fish5", LoadedAs::kScaledBitmap},
    {10006, "fish6", LoadedAs::kScaledBitmap},
    {10007, "fish7", LoadedAs::kScaledBitmap},
    {10008, "fish8", LoadedAs::kScaledBitmap},
    {10009, "fish9", LoadedAs::kScaledBitmap},
}};

// The Fish Settings dialog's picture panel (type "BITMAP"): a 500 x 512 PNG,
// opaque, stored plain.
inline constexpr int kFishSettingsPanelId = 129;

// The program's icon (type "APPICON", numbered by its size in pixels), at the
// sizes of the desktop's hicolor icon theme; the build installs these too.
inline constexpr std::array<int, 6> kAppIconSizes = {16, 32, 48, 64, 128, 256};

// One resource as the painter writes it into the asset folder and the packer
// packs it from there.
struct PackedResource {
    ResourceType type;
    int id;
    std::string assetFile;
};

// Every resource the program carries, in packing order: the scrambled pictures
// and the tune, the menu icons and mode cursors (see MenuCommands.h), the
// panel and the program's icon.
std::vector<PackedResource> PackedResources();
