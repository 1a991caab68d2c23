// Where a confirmation popup stands: a fixed distance left of and above the
// corner of the full-screen client area, which on Windows always leaves the
// popup on the screen. Where the system reports a corner that would put part
// of it off the screen (Wine reports one below the screen's bottom edge), the
// popup is moved back onto it, so the user sees the whole picture.
//
// Distances and sizes are given for 100 % (96 dots per inch) and grow with
// the scale of the monitor the popup appears on, so that a picture keeps its
// place relative to the taskbar at every scale.
#pragma once

struct PopupPoint {
    int x;
    int y;
};

struct PopupArea {
    int left;
    int top;
    int right;
    int bottom;
};

// The monitor the next popup appears on: its dots per inch, the corner the
// popup stands off, and the monitor's whole area, which the popup never leaves.
struct PictureSpot {
    int dpi;
    PopupPoint corner;
    PopupArea monitor;
};

constexpr int kDefaultDpi = 96;

// `length` at 100 % scaled to `dpi`, rounded to the nearest pixel (halves up).
int ScaleToDpi(int length, int dpi);

// The popup's top-left corner. `corner` is the full-screen client area's
// width and height, `offset` the distance from it, `size` the popup's size.
PopupPoint PlacePopup(PopupPoint corner, PopupPoint offset, PopupPoint size, const PopupArea& screen);

// The same at the spot's scale: `offset` is given for 100 %, `size` is the
// popup's own in pixels, as drawn for that scale.
PopupPoint PlacePicture(const PictureSpot& spot, PopupPoint offset, PopupPoint size);
