// The monitor the next picture appears on, as the system reports it at the
// moment of asking: the "PictureMonitor" setting, the monitors present, their
// scales, the mouse pointer and the window in front are all read afresh.
#pragma once

#include "osd/popup_place.h"

// The dots per inch and the corner for the next picture, and the monitor it
// must stay on. Where the system lists no monitor, the screen's metrics and
// its dots per inch, as on a system with one monitor.
PictureSpot NextPictureSpot();
