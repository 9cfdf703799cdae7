#include "support/TankProbe.h"

#include "core/scene/AquariumScene.h"
#include "ui/AquariumView.h"

TankProbe TankProbe::Of(const CAquariumView& view) {
    const AquariumScene& scene = view.Scene();
    return {scene.School(), scene.FoodPellets(), scene.BubbleEmitters(),
            scene.Marker(), scene.Surface(),     scene.RevealCount()};
}
