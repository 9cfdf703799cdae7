#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The whole screen of an X display as 8-bit RGB, read with ImageMagick's import.
struct ScreenCapture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    // Origin top left, as on screen.
    std::array<std::uint8_t, 3> At(int x, int y) const;
    // How many pixels are not black.
    int LitPixelCount() const;
};

ScreenCapture CaptureScreen(const std::string& display, int width, int height);

// Keeps a PNG of the screen next to the test binary, for a person to look at.
void SaveScreenshot(const std::string& display, const std::string& fileName);
