#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A rectangle of the X screen in pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool Contains(int px, int py) const {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
    bool operator==(const PixelRect& other) const {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
    bool operator!=(const PixelRect& other) const { return !(*this == other); }
};

// One monitor as RandR lists it: its output's name and where it lies.
struct Monitor {
    std::string name;
    PixelRect area;
};

// The index of the monitor that holds the point; the first when none does
// (the pointer in a gap between monitors of different sizes).
std::size_t MonitorUnder(const std::vector<Monitor>& monitors, int x, int y);

// The monitor of that name, or null once it is gone.
const Monitor* FindMonitor(const std::vector<Monitor>& monitors, const std::string& name);
