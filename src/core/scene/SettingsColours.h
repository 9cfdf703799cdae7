#pragma once

#include <cstdint>

// The colours and light the settings give, as the frame uses them.

// Light 1's ambient and diffuse level for a light reduction of 0..100.
float LightLevel(int lightReduction);

struct Rgb8 {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// A Windows colour value: red in the low byte, then green, then blue.
Rgb8 ColorRefToRgb(int colorRef);
