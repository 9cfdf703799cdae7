#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The whole screen of an X display as 8-bit RGB, read with ImageMagick's import.
struct ScreenCapture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    // Origin top left, as on screen.
    std::array<std::uint8_t, 3> At(int x, int y) const;
    bool IsBlack(int x, int y) const { return At(x, y) == std::array<std::uint8_t, 3>{0, 0, 0}; }
    // Something drawn there: neither black, nor a grey, nor the toolkit's
    // window background, which shows until the first frame.
    bool IsDrawn(int x, int y) const {
        const auto [r, g, b] = At(x, y);
        return !IsBlack(x, y) && !(r == g && g == b) && At(x, y) != kToolkitBackground;
    }
    static constexpr std::array<std::uint8_t, 3> kToolkitBackground{246, 245, 244};
    // How many pixels are not black.
    int LitPixelCount() const;
};

class XServer;

ScreenCapture CaptureScreen(const std::string& display, int width, int height);

// Captures the screen until the predicate holds (true) or the time is up (false).
// The first frames of a program may still show the toolkit's grey background.
bool WaitForScreen(const XServer& server, const std::function<bool(const ScreenCapture&)>& holds,
                   int timeoutMs = 15000);

// Keeps a PNG of the screen next to the test binary, for a person to look at.
void SaveScreenshot(const std::string& display, const std::string& fileName);
