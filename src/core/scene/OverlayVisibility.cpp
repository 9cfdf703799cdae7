#include "core/scene/OverlayVisibility.h"

bool OverlayVisibility::NextFrame() {
    if (showOverlay_ && ++overlayFrames_ > kShownFrames) {
        showOverlay_ = false;
        overlayFrames_ = 0;
    }
    return showOverlay_;
}
