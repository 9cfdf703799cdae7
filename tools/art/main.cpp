// velmar_paint: paints the aquarium's artwork.
//   velmar_paint --assets DIR          writes every picture the program embeds into DIR
//   velmar_paint --contact-sheet FILE  writes a PNG of all the artwork to look at
//   velmar_paint --menu-sheet FILE     writes a PNG of the menu icons and cursors
//   velmar_paint --app-icons DIR       writes the desktop icon as DIR/velmar-SIZE.png
#include <cstdio>
#include <cstring>
#include <string>

#include "art/AppIcon.h"
#include "art/ContactSheet.h"
#include "art/ImageFiles.h"
#include "art/MenuArt.h"
#include "art/Painters.h"
#include "core/interaction/MenuCommands.h"
#include "core/resources/ResourceIds.h"

namespace {
bool WriteAssets(const std::string& dir) {
    bool ok = WriteBitmap24(PaintBackground(), dir + "/BackGround0.bmp");
    ok = WriteBitmap24(PaintBubble(), dir + "/Particle1.bmp") && ok;
    ok = WriteBitmap24(PaintFoodPellet(), dir + "/fish17.bmp") && ok;
    for (int species = 0; species < kSpeciesCount; ++species) {
        ok = WriteBitmap24(PaintFishSkin(species),
                           dir + "/fish" + std::to_string(species) + ".bmp") &&
             ok;
    }
    ok = WritePng(PaintFishSettingsPanel(),
                  dir + "/bitmap" + std::to_string(kFishSettingsPanelBitmapId) + ".png") &&
         ok;
    for (int id : MenuIconIds()) {
        ok = WritePng(PaintMenuIcon(id), dir + "/icon" + std::to_string(id) + ".png") && ok;
    }
    for (int id : ModeCursorIds()) {
        ok = WritePng(PaintModeCursor(id), dir + "/cursor" + std::to_string(id) + ".png") && ok;
    }
    return ok;
}

bool WriteAppIcons(const std::string& dir) {
    bool ok = true;
    for (int size : kAppIconSizes) {
        ok = WritePng(PaintAppIcon(size), dir + "/velmar-" + std::to_string(size) + ".png") && ok;
    }
    return ok;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--assets") == 0) {
        if (WriteAssets(argv[2])) return 0;
    } else if (argc == 3 && std::strcmp(argv[1], "--app-icons") == 0) {
        if (WriteAppIcons(argv[2])) return 0;
    } else if (argc == 3 && std::strcmp(argv[1], "--contact-sheet") == 0) {
        if (WritePng(PaintContactSheet(), argv[2])) return 0;
    } else if (argc == 3 && std::strcmp(argv[1], "--menu-sheet") == 0) {
        if (WritePng(PaintMenuSheet(), argv[2])) return 0;
    } else {
        std::fprintf(stderr,
                     "usage: %s --assets DIR | --app-icons DIR | --contact-sheet FILE.png | "
                     "--menu-sheet FILE.png\n",
                     argv[0]);
        return 2;
    }
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
    return 1;
}
