#pragma once

#include <array>
#include <cstddef>

// Command ids of the right-click menu. The scene keeps the last id it received
// as the current interaction mode.
enum CommandId : int {
    kCommandAddDeleteFish = 1034,
    kCommandTouch = 1035,
    kCommandFeed = 1036,
    kCommandZoomIn = 1037,
    kCommandZoomOut = 1038,
    kCommandExit = 1042,
    kCommandCatch = 1047,
    kCommandCustomMusic = 1050,
    kCommandCustomBackground = 1052,
    // No command: the mode of a tank nobody points at (the screensaver), in
    // which no frame step follows a pointer: no net, no picks, nothing caught.
    kModeNoPointer = 0,
};

// One entry of the menu: its text, its command, its icon, and the cursors of
// the mode it chooses, up and with the button pressed. Icons and cursors are
// resources of their own types, numbered by these ids.
struct MenuCommand {
    const char* text;  // begins with two spaces
    int commandId;
    int iconId;
    int cursorId;  // 0: the command leaves the cursor as it is
    int pressedCursorId;
};

inline constexpr std::size_t kMenuCommandCount = 9;

// In menu order.
inline constexpr std::array<MenuCommand, kMenuCommandCount> kMenuCommands{{
    {"  Catch Fish", kCommandCatch, 137, 154, 155},
    {"  Feed Fish", kCommandFeed, 133, 163, 164},
    {"  Touch Fish", kCommandTouch, 160, 158, 159},
    {"  Zoom In Fish", kCommandZoomIn, 134, 167, 177},
    {"  Zoom Out Fish", kCommandZoomOut, 135, 169, 178},
    {"  Add/Delete Fish", kCommandAddDeleteFish, 180, 0, 0},
    {"  Custom Music", kCommandCustomMusic, 253, 0, 0},
    {"  Custom Background", kCommandCustomBackground, 232, 0, 0},
    {"  Exit", kCommandExit, 175, 0, 0},
}};

// Every menu icon, in menu order: what the painter draws and the program carries.
constexpr std::array<int, kMenuCommandCount> MenuIconIds() {
    std::array<int, kMenuCommandCount> ids{};
    for (std::size_t i = 0; i < kMenuCommandCount; ++i) ids[i] = kMenuCommands[i].iconId;
    return ids;
}

inline constexpr std::size_t kModeCursorCount = 10;

// Every mode cursor, each mode's up and pressed look in turn.
constexpr std::array<int, kModeCursorCount> ModeCursorIds() {
    std::array<int, kModeCursorCount> ids{};
    std::size_t count = 0;
    for (const MenuCommand& command : kMenuCommands) {
        if (command.cursorId == 0) continue;
        ids[count++] = command.cursorId;
        ids[count++] = command.pressedCursorId;
    }
    return ids;
}
