#include "osd/popup_place.h"

#include <gtest/gtest.h>

namespace {

constexpr PopupPoint kKeyOffset{60, 20};
constexpr PopupPoint kKeySize{32, 32};
constexpr PopupPoint kVolumeOffset{110, 30};
constexpr PopupPoint kVolumeSize{96, 32};

TEST(PlacePopup, StandsOffTheCornerAndStaysOnTheScreen) {
    const struct {
        const char* what;
        PopupPoint corner;
        PopupPoint offset;
        PopupPoint size;
        PopupArea screen;
        PopupPoint expected;
    } cases[] = {
        {"Windows, taskbar at the bottom", {1024, 719}, kKeyOffset, kKeySize, {0, 0, 1024, 768}, {964, 699}},
        {"the volume strip there", {1024, 719}, kVolumeOffset, kVolumeSize, {0, 0, 1024, 768}, {914, 689}},
        {"a corner below the screen's bottom", {1024, 779}, kKeyOffset, kKeySize, {0, 0, 1024, 768}, {964, 736}},
        {"the volume strip there", {1024, 779}, kVolumeOffset, kVolumeSize, {0, 0, 1024, 768}, {914, 736}},
        {"a corner past the right edge", {1100, 700}, kKeyOffset, kKeySize, {0, 0, 1024, 768}, {992, 680}},
        {"a corner left of the screen", {20, 10}, kVolumeOffset, kVolumeSize, {0, 0, 1024, 768}, {0, 0}},
        {"a screen smaller than the popup", {1024, 768}, kVolumeOffset, kVolumeSize, {100, 100, 150, 120},
         {100, 100}},
    };
    for (const auto& c : cases) {
        const PopupPoint place = PlacePopup(c.corner, c.offset, c.size, c.screen);
        EXPECT_EQ(place.x, c.expected.x) << c.what;
        EXPECT_EQ(place.y, c.expected.y) << c.what;
    }
}

}  // namespace
