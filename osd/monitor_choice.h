// Which monitor the pictures appear on, chosen afresh for every picture from
// the monitors present at that moment, so that a monitor unplugged or a scale
// changed takes effect with the next picture.
#pragma once

#include "osd/popup_place.h"

#include <optional>
#include <vector>

// The values of the "PictureMonitor" setting. Any other value means the main
// monitor, so a setting written by a later release still shows the pictures.
enum PictureMonitorChoice : int {
    kPicturesOnMainMonitor = 0,
    kPicturesOnPointerMonitor = 1,
    kPicturesOnForegroundMonitor = 2,
};

struct MonitorFacts {
    PopupArea area;  // the whole monitor
    PopupArea work;  // less the taskbar and other bars
    int dpi;
    bool main;
};

// What the choice looks at: the mouse pointer and the window in front, when
// the system reports them.
struct MonitorClues {
    std::optional<PopupPoint> pointer;
    std::optional<PopupArea> foreground;
};

// The index of the chosen monitor; nothing for an empty list. Where the
// choice finds no monitor (the pointer off every monitor, no window in front
// or one on no monitor) the main monitor is chosen; a window across two
// monitors belongs to the one holding more of it.
std::optional<size_t> ChooseMonitor(const std::vector<MonitorFacts>& monitors, int choice, const MonitorClues& clues);

// The chosen monitor's spot. On the main monitor the corner is the one the
// system reports for the full-screen client area (`fullScreenCorner`), as it
// always was; on another, the bottom-right corner of its work area less one
// caption height at the monitor's scale (`captionHeight`).
PictureSpot SpotOn(const MonitorFacts& monitor, PopupPoint fullScreenCorner, int captionHeight);
