#include "support/TankProbe.h"

#include "render/AquariumScene.h"
#include "render/AquariumView.h"

TankProbe TankProbe::Of(const CAquariumView& view) {
    const AquariumScene& scene = view.Scene();
    return {scene.School(), scene.FoodPellets(), scene.BubbleEmitters(),
            scene.Marker(), scene.Surface(),     scene.RevealCount()};
}
