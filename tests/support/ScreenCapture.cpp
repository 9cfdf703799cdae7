#include "support/ScreenCapture.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "support/AppSession.h"

std::array<std::uint8_t, 3> ScreenCapture::At(int x, int y) const {
    const std::size_t offset = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[offset], rgb[offset + 1], rgb[offset + 2]};
}

int ScreenCapture::LitPixelCount() const {
    int lit = 0;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        if (rgb[i] > 8 || rgb[i + 1] > 8 || rgb[i + 2] > 8) ++lit;
    }
    return lit;
}

ScreenCapture CaptureScreen(const std::string& display, int width, int height) {
    ScreenCapture capture;
    const std::string command = "import -display " + display + " -window root -depth 8 rgb:-";
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        capture.rgb.resize(static_cast<std::size_t>(width) * height * 3);
        const std::size_t got = std::fread(capture.rgb.data(), 1, capture.rgb.size(), pipe);
        pclose(pipe);
        if (got == capture.rgb.size()) {
            capture.width = width;
            capture.height = height;
        } else {
            capture.rgb.clear();
        }
    }
    return capture;
}

bool WaitForScreen(const XServer& server, const std::function<bool(const ScreenCapture&)>& holds,
                   int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        const ScreenCapture screen =
            CaptureScreen(server.Display(), server.Width(), server.Height());
        if (screen.width == server.Width() && holds(screen)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    } while (std::chrono::steady_clock::now() < deadline);
    return false;
}

void SaveScreenshot(const std::string& display, const std::string& fileName) {
    const std::string command = "import -display " + display + " -window root " + fileName;
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "screenshot %s failed\n", fileName.c_str());
}
