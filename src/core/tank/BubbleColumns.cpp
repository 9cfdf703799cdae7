#include "core/tank/BubbleColumns.h"

#include <algorithm>

#include "core/tank/TankBounds.h"

std::array<float, 3> BubbleEmitterPosition(const TankBounds& tank, int emitter) {
    static constexpr float kDepthBehindBack[kBubbleEmitterCount] = {100.0f, 200.0f, 50.0f};
    return {0.0f, static_cast<float>(tank.yMin - 5.0),
            tank.zBack - kDepthBehindBack[std::clamp(emitter, 0, kBubbleEmitterCount - 1)]};
}

std::array<float, 3> BubbleDrawOrigin(const std::array<float, 3>& position) {
    return {static_cast<float>(position[0] + 5.0), static_cast<float>(position[1] - 25.0),
            static_cast<float>(position[2] - 60.0)};
}

int BubbleDrawCount(int bubbleAmount) {
    const long long wanted = static_cast<long long>(kBubblePoolSize) - bubbleAmount;
    return static_cast<int>(std::clamp<long long>(wanted, 0, kBubblePoolSize));
}
