#include "osd/popup_place.h"

#include <algorithm>

namespace {

// Keeps [start, start + length) inside [low, high); a span longer than the
// range keeps its start at `low`.
int KeepInside(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

PopupPoint ScalePoint(PopupPoint point, int dpi) {
    return {ScaleToDpi(point.x, dpi), ScaleToDpi(point.y, dpi)};
}

}  // namespace

int ScaleToDpi(int length, int dpi) {
    // In 64 bits, so that no DPI a system reports can overflow the product.
    const long long scaled = static_cast<long long>(length) * dpi;
    return static_cast<int>((2 * scaled + kDefaultDpi) / (2 * kDefaultDpi));
}

PopupPoint PlacePopup(PopupPoint corner, PopupPoint offset, PopupPoint size, const PopupArea& screen) {
    return {KeepInside(corner.x - offset.x, size.x, screen.left, screen.right),
            KeepInside(corner.y - offset.y, size.y, screen.top, screen.bottom)};
}

PopupPoint PlacePicture(const PictureSpot& spot, PopupPoint offset, PopupPoint size) {
    return PlacePopup(spot.corner, ScalePoint(offset, spot.dpi), size, spot.monitor);
}
