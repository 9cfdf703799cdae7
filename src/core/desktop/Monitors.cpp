#include "core/desktop/Monitors.h"

#include <algorithm>

std::size_t MonitorUnder(const std::vector<Monitor>& monitors, int x, int y) {
    const auto under = std::find_if(monitors.begin(), monitors.end(), [&](const Monitor& monitor) {
        return monitor.area.Contains(x, y);
    });
    return under == monitors.end() ? 0 : static_cast<std::size_t>(under - monitors.begin());
}

const Monitor* FindMonitor(const std::vector<Monitor>& monitors, const std::string& name) {
    const auto found = std::find_if(monitors.begin(), monitors.end(),
                                    [&](const Monitor& monitor) { return monitor.name == name; });
    return found == monitors.end() ? nullptr : &*found;
}
