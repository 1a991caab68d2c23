#include "osd/popup_place.h"

#include <algorithm>

namespace {

// Keeps [start, start + length) inside [low, high); a span longer than the
// range keeps its start at `low`.
int KeepInside(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

}  // namespace

PopupPoint PlacePopup(PopupPoint corner, PopupPoint offset, PopupPoint size, const PopupArea& screen) {
    return {KeepInside(corner.x - offset.x, size.x, screen.left, screen.right),
            KeepInside(corner.y - offset.y, size.y, screen.top, screen.bottom)};
}
