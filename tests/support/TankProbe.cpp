#include "support/TankProbe.h"

#include "render/AquariumView.h"

TankProbe TankProbe::Of(const CAquariumView& view) {
    return {view.fish_,        view.foodPellets_,       view.bubbleEmitters_,
            view.catchMarker_, view.backgroundSurface_, view.revealCount_};
}
