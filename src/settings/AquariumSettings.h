#pragma once

#include <array>

// The settings the scene reads, one field per key of the settings file, in the
// file's order. Colours are Windows colour values: red in the low byte, then
// green, then blue. Flags count as set when nonzero.
struct AquariumSettings {
    int showWater = 0;
    int showLight = 0;
    int showTerra = 1;
    int frontGuding = 1;
    int frontColor = 16777215;
    int frontManJianBian = 0;
    int frontColor1 = 16777215;
    int frontColor2 = 16777215;
    int frontAutoJianBian = 0;
    int checkLockFore = 0;
    float lockForeRot = 0.0f;
    int backGuding = 1;
    int backColor = 0;
    int backManJianBian = 0;
    int backColor1 = 65280;
    int backColor2 = 0;
    int backAutoJianBian = 0;
    int checkLockBack = 0;
    float lockBackRot = 0.0f;
    int yinLiang = 32767;
    int qiPaoNum = 100;
    int background = 0;
    std::array<int, 10> fishCounts{};
    int fogNongDu = 25;
    int lightQiangDu = 0;
    int checkViews = 1;
    int viewsLeftRight = 0;
    int viewsNearFar = 0;
};

// The one record of the running program. Until the settings file is read it
// holds what a start without a settings file gives, with no fish.
extern AquariumSettings aquariumSettings;
