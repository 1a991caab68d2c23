// Where a confirmation popup stands: a fixed distance left of and above the
// corner of the full-screen client area, which on Windows always leaves the
// popup on the screen. Where the system reports a corner that would put part
// of it off the screen (Wine reports one below the screen's bottom edge), the
// popup is moved back onto it, so the user sees the whole picture.
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

// The popup's top-left corner. `corner` is the full-screen client area's
// width and height, `offset` the distance from it, `size` the popup's size.
PopupPoint PlacePopup(PopupPoint corner, PopupPoint offset, PopupPoint size, const PopupArea& screen);
