// Time from exec to the first frame on screen, seen from outside the program:
// starts it again and again on the X display in $DISPLAY, each time with a
// settings folder of its own (a first start, with the default settings), and
// watches two pixels near the screen's top corners until the tank's water
// shows there. Prints each start and the median. Usage:
//   velmar_startup PROGRAM [RUNS]
// Run it on an X server of its own at 1920 x 1080 (Xvfb), nothing else drawing.
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kTimeoutMs = 20000;

// The water of the wall: blue well above red.
bool WaterAt(Display* display, int x, int y) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    const int red = static_cast<int>((pixel >> 16) & 0xFF);
    const int blue = static_cast<int>(pixel & 0xFF);
    return blue > red + 40;
}

bool TankShown(Display* display) {
    const int width = DisplayWidth(display, DefaultScreen(display));
    return WaterAt(display, 8, 8) && WaterAt(display, width - 9, 8);
}

bool WaitUntil(Display* display, bool shown, Clock::time_point since) {
    while (TankShown(display) != shown) {
        if (Clock::now() - since > std::chrono::milliseconds(kTimeoutMs)) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Milliseconds from exec to the tank on screen, or -1.
double TimeOneStart(Display* display, const char* program) {
    char folder[] = "/tmp/velmar-startup-XXXXXX";
    if (!mkdtemp(folder)) return -1.0;
    std::fflush(nullptr);
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_CONFIG_HOME", folder, 1);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    const bool shown = WaitUntil(display, true, start);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    WaitUntil(display, false, Clock::now());
    std::filesystem::remove_all(folder);
    return shown ? ms : -1.0;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: velmar_startup PROGRAM [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "velmar_startup: no X display\n");
        return 1;
    }
    if (TankShown(display)) {
        std::fprintf(stderr, "velmar_startup: something already draws water on the screen\n");
        return 1;
    }
    std::vector<double> times;
    for (int run = 1; run <= runs; ++run) {
        const double ms = TimeOneStart(display, argv[1]);
        if (ms < 0.0) {
            std::fprintf(stderr, "velmar_startup: start %d showed no tank within %d ms\n", run,
                         kTimeoutMs);
            return 1;
        }
        std::printf("start %d: %.0f ms\n", run, ms);
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("median from exec to the first frame on screen: %.0f ms (%d starts)\n",
                times[times.size() / 2], runs);
    XCloseDisplay(display);
    return 0;
}
