// velmar_paint: paints the aquarium's artwork.
//   velmar_paint --assets DIR          writes every picture the program embeds into DIR,
//                                      the program's icon among them
//   velmar_paint --contact-sheet FILE  writes a PNG of all the artwork to look at
//   velmar_paint --menu-sheet FILE     writes a PNG of the menu icons and cursors
#include <cstdio>
#include <cstring>
#include <string>

#include "art/AppIcon.h"
#include "art/ContactSheet.h"
#include "art/ImageFiles.h"
#include "art/MenuArt.h"
#include "art/Painters.h"
#include "core/resources/ResourceTable.h"

namespace {
// The tune is the synthesiser's to write.
bool WriteAsset(const PackedResource& resource, const std::string& path) {
    const int id = resource.id;
    switch (resource.type) {
        case ResourceType::kRcad:
            if (id == kBackgroundPicture.id) return WriteBitmap24(PaintBackground(), path);
            if (id == kBubblePicture.id) return WriteBitmap24(PaintBubble(), path);
            for (int species = 0; species < kSpeciesCount; ++species) {
                if (id == kFishSkinPictures[species].id) {
                    return WriteBitmap24(PaintFishSkin(species), path);
                }
            }
            return id == kTune.id;
        case ResourceType::kIcon:
            return WritePng(PaintMenuIcon(id), path);
        case ResourceType::kCursor:
            return WritePng(PaintModeCursor(id), path);
        case ResourceType::kBitmap:
            return WritePng(PaintFishSettingsPanel(), path);
        case ResourceType::kAppIcon:
            return WritePng(PaintAppIcon(id), path);
    }
    return false;
}

bool WriteAssets(const std::string& dir) {
    bool ok = true;
    for (const PackedResource& resource : PackedResources()) {
        ok = WriteAsset(resource, dir + "/" + resource.assetFile) && ok;
    }
    return ok;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--assets") == 0) {
        if (WriteAssets(argv[2])) return 0;
    } else if (argc == 3 && std::strcmp(argv[1], "--contact-sheet") == 0) {
        if (WritePng(PaintContactSheet(), argv[2])) return 0;
    } else if (argc == 3 && std::strcmp(argv[1], "--menu-sheet") == 0) {
        if (WritePng(PaintMenuSheet(), argv[2])) return 0;
    } else {
        std::fprintf(stderr,
                     "usage: %s --assets DIR | --contact-sheet FILE.png | "
                     "--menu-sheet FILE.png\n",
                     argv[0]);
        return 2;
    }
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
    return 1;
}
