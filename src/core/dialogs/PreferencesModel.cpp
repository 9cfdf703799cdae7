#include "core/dialogs/PreferencesModel.h"

#include <algorithm>
#include <cmath>

#include "core/tank/BubbleColumns.h"

namespace {
constexpr int kSilent = 65535;

int TunePercent(int attenuation) {
    const int level = kSilent - std::clamp(attenuation, 0, kSilent);
    return static_cast<int>(std::lround(level * 100.0 / kSilent));
}
}  // namespace

Preferences PreferencesOf(const AquariumSettings& tank, const VelmarSettings& velmar) {
    Preferences shown;
    shown.wall = tank.background == 0;
    shown.gradient = tank.backGradient != 0;
    shown.topColour = tank.backColor1;
    shown.bottomColour = tank.backColor2;
    shown.lightPercent = 100 - std::clamp(tank.lightReduction, 0, 100);
    shown.bubblesPerColumn = BubbleDrawCount(tank.bubbleAmount);
    shown.tunePercent = TunePercent(tank.volume);
    shown.velmar = velmar;
    return shown;
}

AquariumSettings WithPreferences(const AquariumSettings& tank, const Preferences& shown,
                                 const Preferences& chosen) {
    AquariumSettings changed = tank;
    if (chosen.wall != shown.wall) changed.background = chosen.wall ? 0 : 1;
    if (chosen.gradient != shown.gradient) changed.backGradient = chosen.gradient ? 1 : 0;
    if (chosen.topColour != shown.topColour) changed.backColor1 = chosen.topColour;
    if (chosen.bottomColour != shown.bottomColour) changed.backColor2 = chosen.bottomColour;
    if (chosen.lightPercent != shown.lightPercent) {
        changed.lightReduction = 100 - std::clamp(chosen.lightPercent, 0, 100);
    }
    if (chosen.bubblesPerColumn != shown.bubblesPerColumn) {
        changed.bubbleAmount =
            kBubblePoolSize - std::clamp(chosen.bubblesPerColumn, 0, kBubblePoolSize);
    }
    if (chosen.tunePercent != shown.tunePercent) {
        const int percent = std::clamp(chosen.tunePercent, 0, 100);
        changed.volume = kSilent - static_cast<int>(std::lround(percent * kSilent / 100.0));
    }
    return changed;
}
