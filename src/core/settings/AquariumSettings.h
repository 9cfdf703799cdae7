#pragma once

#include <array>

#include "core/tank/SchoolLayout.h"

// The settings the scene reads, one field per key of the settings file, in the
// file's order (the load table pairs each field with its key). Colours are
// Windows colour values: red in the low byte, then green, then blue. Flags
// count as set when nonzero. The defaults are what a start without a settings
// file gives, with no fish.
struct AquariumSettings {
    int showWater = 0;
    int showLight = 0;
    int showTerra = 1;
    int frontSolid = 1;
    int frontColor = 16777215;
    int frontGradient = 0;
    int frontColor1 = 16777215;
    int frontColor2 = 16777215;
    int frontAutoGradient = 0;
    int checkLockFore = 0;
    float lockForeRot = 0.0f;
    int backSolid = 1;
    int backColor = 0;
    int backGradient = 0;
    int backColor1 = 65280;
    int backColor2 = 0;
    int backAutoGradient = 0;
    int checkLockBack = 0;
    float lockBackRot = 0.0f;
    int volume = 32767;      // the built-in tune plays at 65535 - volume
    int bubbleAmount = 100;  // 110 - bubbleAmount bubbles rise per column
    int background = 0;
    std::array<int, kSpeciesCount> fishCounts{};
    int fogDensity = 25;
    int lightReduction = 0;  // percent: 0 full light, 100 dark
    int checkViews = 1;
    int viewsLeftRight = 0;
    int viewsNearFar = 0;
};
