#include "core/scene/SettingsColours.h"

float LightLevel(int lightReduction) {
    return static_cast<float>(100 - lightReduction) * 0.01f;
}

Rgb8 ColorRefToRgb(int colorRef) {
    const auto bits = static_cast<unsigned>(colorRef);
    return {static_cast<std::uint8_t>(bits & 0xFF), static_cast<std::uint8_t>((bits >> 8) & 0xFF),
            static_cast<std::uint8_t>((bits >> 16) & 0xFF)};
}
