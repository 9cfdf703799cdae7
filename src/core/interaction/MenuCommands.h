#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "platform/runtime/Translation.h"

// What the left button does over the tank. Nobody points at the tank of the
// screensaver, nor at one behind a modal dialog: no net, no picks, nothing
// caught.
enum class Mode { kCatch, kFeed, kTouch, kZoomIn, kZoomOut, kNoPointer };

// Command ids of the right-click menu.
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
    kCommandPreferences = 1060,
};

// One entry of the menu: its text, its command, the mode it chooses (none for
// the dialogs and Exit), its icon, and the cursors of that mode, up and with
// the button pressed. Icons and cursors are resources of their own types,
// numbered by these ids.
struct MenuCommand {
    const char* text;  // English; the menu shows it translated
    int commandId;
    std::optional<Mode> mode;
    int iconId;
    int cursorId;  // 0: the command leaves the cursor as it is
    int pressedCursorId;
};

inline constexpr std::size_t kMenuCommandCount = 10;

// In menu order.
inline constexpr std::array<MenuCommand, kMenuCommandCount> kMenuCommands{{
    {N_("Catch Fish"), kCommandCatch, Mode::kCatch, 137, 154, 155},
    {N_("Feed Fish"), kCommandFeed, Mode::kFeed, 133, 163, 164},
    {N_("Touch Fish"), kCommandTouch, Mode::kTouch, 160, 158, 159},
    {N_("Zoom In Fish"), kCommandZoomIn, Mode::kZoomIn, 134, 167, 177},
    {N_("Zoom Out Fish"), kCommandZoomOut, Mode::kZoomOut, 135, 169, 178},
    {N_("Add/Delete Fish"), kCommandAddDeleteFish, std::nullopt, 180, 0, 0},
    {N_("Custom Music"), kCommandCustomMusic, std::nullopt, 253, 0, 0},
    {N_("Custom Background"), kCommandCustomBackground, std::nullopt, 232, 0, 0},
    {N_("Preferences..."), kCommandPreferences, std::nullopt, 271, 0, 0},
    {N_("Exit"), kCommandExit, std::nullopt, 175, 0, 0},
}};

// Every menu icon, in menu order: what the painter draws and the program carries.
constexpr std::array<int, kMenuCommandCount> MenuIconIds() {
    std::array<int, kMenuCommandCount> ids{};
    for (std::size_t i = 0; i < kMenuCommandCount; ++i) ids[i] = kMenuCommands[i].iconId;
    return ids;
}

inline constexpr std::size_t kModeCursorCount = 10;

// The mode the command chooses, if it chooses one.
constexpr std::optional<Mode> ModeOfCommand(int commandId) {
    for (const MenuCommand& command : kMenuCommands) {
        if (command.commandId == commandId) return command.mode;
    }
    return std::nullopt;
}

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

// Where a mode cursor's picture points, in its 32 x 32 pixels, which is where
// the pointer acts: the net's and the lenses' centres, the octopus's middle,
// the food packet's open end. The pressed looks move their pictures, not the
// point.
struct CursorHotSpot {
    int x = 0;
    int y = 0;
};
constexpr CursorHotSpot CursorHotSpotOf(int cursorId) {
    switch (cursorId) {
        case 154:
            return {13, 13};
        case 155:
            return {12, 12};
        case 158:
            return {15, 12};
        case 159:
            return {16, 13};
        case 163:
            return {9, 3};
        case 164:
            return {5, 12};
        case 167:
        case 169:
            return {12, 12};
        case 177:
        case 178:
            return {11, 11};
        default:
            return {};
    }
}
