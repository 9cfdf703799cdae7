#pragma once

#include "core/settings/AquariumSettings.h"
#include "core/settings/VelmarSettings.h"

// What the Preferences dialog shows, in a person's terms, and how it maps to
// the settings: the design's keys the tank uses, and our own section.
struct Preferences {
    bool wall = true;           // "BACKGROUND" 0: the sea-bed picture behind the fish
    bool gradient = false;      // "BACK MANJIANBIAN": two colours, else black
    int topColour = 0;          // "BACK COLOR1", a Windows colour value
    int bottomColour = 0;       // "BACK COLOR2"
    int lightPercent = 100;     // 100 - "LIGHTQIANGDU"
    int bubblesPerColumn = 10;  // 110 - "QIPAONUM", 0 to 110
    int tunePercent = 50;       // the level "YINLIANG" gives, 0 to 100
    VelmarSettings velmar;
};

Preferences PreferencesOf(const AquariumSettings& tank, const VelmarSettings& velmar);

// `tank` with what the user changed from `shown` (what the dialog first
// showed): a value left alone keeps its setting exactly, so a hand-edited
// "BACKGROUND" 2 or a level between the dialog's steps survives.
AquariumSettings WithPreferences(const AquariumSettings& tank, const Preferences& shown,
                                 const Preferences& chosen);
