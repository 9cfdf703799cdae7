#include "core/desktop/TankPlacement.h"

bool NamesAMonitor(int number, const std::vector<Monitor>& monitors) {
    return number >= 0 && static_cast<std::size_t>(number) < monitors.size();
}

std::vector<Monitor> MonitorsForTanks(const TankPlacement& placement,
                                      const std::vector<Monitor>& monitors, int pointerX,
                                      int pointerY) {
    if (monitors.empty()) return {};
    switch (placement.placement) {
        case Placement::kAllMonitors:
        case Placement::kWallpaper:
            return monitors;
        case Placement::kOneMonitor:
            if (NamesAMonitor(placement.monitor, monitors)) return {monitors[placement.monitor]};
            break;
        case Placement::kPointerMonitor:
            break;
    }
    return {monitors[MonitorUnder(monitors, pointerX, pointerY)]};
}
