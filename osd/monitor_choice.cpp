#include "osd/monitor_choice.h"

#include <algorithm>

namespace {

bool Holds(const PopupArea& area, PopupPoint point) {
    return point.x >= area.left && point.x < area.right && point.y >= area.top && point.y < area.bottom;
}

long long SharedArea(const PopupArea& a, const PopupArea& b) {
    const long long width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long long height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// The monitor flagged main; failing that the one at the origin, where the
// system puts its main monitor; failing that the first.
size_t MainMonitor(const std::vector<MonitorFacts>& monitors) {
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (monitors[i].main) {
            return i;
        }
    }
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (Holds(monitors[i].area, {0, 0})) {
            return i;
        }
    }
    return 0;
}

std::optional<size_t> MonitorHolding(const std::vector<MonitorFacts>& monitors, PopupPoint point) {
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (Holds(monitors[i].area, point)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<size_t> MonitorMostOf(const std::vector<MonitorFacts>& monitors, const PopupArea& window) {
    std::optional<size_t> best;
    long long bestShare = 0;
    for (size_t i = 0; i < monitors.size(); ++i) {
        const long long share = SharedArea(monitors[i].area, window);
        if (share > bestShare) {
            best = i;
            bestShare = share;
        }
    }
    return best;
}

}  // namespace

std::optional<size_t> ChooseMonitor(const std::vector<MonitorFacts>& monitors, int choice, const MonitorClues& clues) {
    if (monitors.empty()) {
        return std::nullopt;
    }
    std::optional<size_t> chosen;
    if (choice == kPicturesOnPointerMonitor && clues.pointer) {
        chosen = MonitorHolding(monitors, *clues.pointer);
    } else if (choice == kPicturesOnForegroundMonitor && clues.foreground) {
        chosen = MonitorMostOf(monitors, *clues.foreground);
    }
    return chosen ? chosen : MainMonitor(monitors);
}

PictureSpot SpotOn(const MonitorFacts& monitor, PopupPoint fullScreenCorner, int captionHeight) {
    const PopupPoint corner =
        monitor.main ? fullScreenCorner : PopupPoint{monitor.work.right, monitor.work.bottom - captionHeight};
    return {monitor.dpi, corner, monitor.area};
}
