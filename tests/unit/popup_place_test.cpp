#include "osd/monitor_choice.h"
#include "osd/popup_place.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Offsets and sizes at each scale from 100 % to 300 %, worked out by hand:
// round(60 s), round(20 s), round(32 s); round(110 s), round(30 s), round(96 s).
struct ScaleRow {
    int dpi;
    PopupPoint keyOffset;
    int keySide;
    PopupPoint volumeOffset;
    PopupPoint volumeSize;
};
constexpr ScaleRow kScales[] = {
    {96, {60, 20}, 32, {110, 30}, {96, 32}},     {120, {75, 25}, 40, {138, 38}, {120, 40}},
    {144, {90, 30}, 48, {165, 45}, {144, 48}},   {168, {105, 35}, 56, {193, 53}, {168, 56}},
    {192, {120, 40}, 64, {220, 60}, {192, 64}},  {216, {135, 45}, 72, {248, 68}, {216, 72}},
    {240, {150, 50}, 80, {275, 75}, {240, 80}},  {264, {165, 55}, 88, {303, 83}, {264, 88}},
    {288, {180, 60}, 96, {330, 90}, {288, 96}},
};

// The main monitor reports its corner as the system does; the other stands
// right of it with its taskbar at the bottom and a caption 23 pixels at 100 %.
constexpr MonitorFacts kMain{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96, true};
constexpr MonitorFacts kOther{{1920, -200, 4480, 1240}, {1920, -200, 4480, 1192}, 96, false};
constexpr PopupPoint kMainCorner{1920, 1017};

TEST(PlacePicture, StandsOffTheCornerOfItsMonitorAtEveryScale) {
    for (const ScaleRow& row : kScales) {
        for (const MonitorFacts& facts : {kMain, kOther}) {
            MonitorFacts monitor = facts;
            monitor.dpi = row.dpi;
            const int caption = ScaleToDpi(23, row.dpi);
            const PictureSpot spot = SpotOn(monitor, kMainCorner, caption);
            const PopupPoint corner = monitor.main ? kMainCorner : PopupPoint{4480, 1192 - caption};
            const std::string what = std::to_string(row.dpi) + (monitor.main ? " dpi, main" : " dpi, other");

            const PopupPoint keySize{row.keySide, row.keySide};
            const PopupPoint key = PlacePicture(spot, kKeyOffset, keySize);
            EXPECT_EQ(key.x, corner.x - row.keyOffset.x) << what;
            EXPECT_EQ(key.y, corner.y - row.keyOffset.y) << what;
            const PopupPoint volume = PlacePicture(spot, kVolumeOffset, row.volumeSize);
            EXPECT_EQ(volume.x, corner.x - row.volumeOffset.x) << what;
            EXPECT_EQ(volume.y, corner.y - row.volumeOffset.y) << what;

            // A corner at the monitor's own bottom-right edge: the picture,
            // at its size for the scale, is pulled back wholly onto it.
            const PictureSpot atEdge{row.dpi, {monitor.area.right, monitor.area.bottom + 40}, monitor.area};
            const PopupPoint keyAtEdge = PlacePicture(atEdge, kKeyOffset, keySize);
            EXPECT_EQ(keyAtEdge.x, monitor.area.right - row.keyOffset.x) << what;
            EXPECT_EQ(keyAtEdge.y, monitor.area.bottom - row.keySide) << what;
            const PictureSpot pastEdge{row.dpi, {monitor.area.left + 20, monitor.area.top}, monitor.area};
            const PopupPoint volumePastEdge = PlacePicture(pastEdge, kVolumeOffset, row.volumeSize);
            EXPECT_EQ(volumePastEdge.x, monitor.area.left) << what;
            EXPECT_EQ(volumePastEdge.y, monitor.area.top) << what;
            const PictureSpot rightEdge{row.dpi, {monitor.area.right + 200, monitor.area.bottom}, monitor.area};
            EXPECT_EQ(PlacePicture(rightEdge, kVolumeOffset, row.volumeSize).x,
                      monitor.area.right - row.volumeSize.x)
                << what;
        }
    }
}

TEST(PlacePicture, OnOneMonitorAtOneHundredPercentStandsWhereItAlwaysDid) {
    const PictureSpot spot = SpotOn({{0, 0, 1024, 768}, {0, 0, 1024, 740}, 96, true}, {1024, 779}, 23);
    const PopupPoint key = PlacePicture(spot, kKeyOffset, kKeySize);
    const PopupPoint volume = PlacePicture(spot, kVolumeOffset, kVolumeSize);
    EXPECT_EQ(key.x, 964);
    EXPECT_EQ(key.y, 736);
    EXPECT_EQ(volume.x, 914);
    EXPECT_EQ(volume.y, 736);
}

TEST(ChooseMonitor, FollowsTheSettingAndFallsBackToTheMainMonitor) {
    // The main monitor in the middle, listed second; one right of it at
    // 150 %, one left at 125 %.
    constexpr size_t kLeft = 0;
    constexpr size_t kMiddle = 1;
    constexpr size_t kRight = 2;
    const std::vector<MonitorFacts> monitors{
        {{-1280, 0, 0, 1024}, {-1280, 0, 0, 984}, 120, false},
        {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96, true},
        {{1920, 0, 4480, 1440}, {1920, 0, 4480, 1400}, 144, false},
    };
    const PopupPoint onRight{3000, 700};
    const struct {
        const char* what;
        int choice;
        MonitorClues clues;
        size_t expected;
    } cases[] = {
        {"main monitor, pointer on another", kPicturesOnMainMonitor, {onRight, std::nullopt}, kMiddle},
        {"pointer on the right", kPicturesOnPointerMonitor, {onRight, std::nullopt}, kRight},
        {"pointer on the left", kPicturesOnPointerMonitor, {PopupPoint{-5, 10}, std::nullopt}, kLeft},
        {"pointer on the first column right of the main", kPicturesOnPointerMonitor, {PopupPoint{1920, 5}, {}}, kRight},
        {"pointer off every monitor", kPicturesOnPointerMonitor, {PopupPoint{5000, 5000}, std::nullopt}, kMiddle},
        {"pointer unknown", kPicturesOnPointerMonitor, {}, kMiddle},
        {"window on the left", kPicturesOnForegroundMonitor, {onRight, PopupArea{-900, 100, -100, 600}}, kLeft},
        {"window mostly on the right", kPicturesOnForegroundMonitor, {{}, PopupArea{1800, 0, 2400, 500}}, kRight},
        {"window mostly on the main", kPicturesOnForegroundMonitor, {{}, PopupArea{1000, 0, 2000, 500}}, kMiddle},
        {"window on no monitor", kPicturesOnForegroundMonitor, {onRight, PopupArea{0, 2000, 500, 2500}}, kMiddle},
        {"no window in front", kPicturesOnForegroundMonitor, {onRight, std::nullopt}, kMiddle},
        {"a value below the known ones", -1, {onRight, PopupArea{2000, 0, 2500, 500}}, kMiddle},
        {"a value above the known ones", 3, {onRight, PopupArea{2000, 0, 2500, 500}}, kMiddle},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseMonitor(monitors, c.choice, c.clues), std::optional<size_t>(c.expected)) << c.what;
    }
}

TEST(ChooseMonitor, WithoutMonitorsOrAMainOne) {
    EXPECT_EQ(ChooseMonitor({}, kPicturesOnMainMonitor, {}), std::nullopt);
    // No monitor reported as main: the one at the origin stands in for it.
    const std::vector<MonitorFacts> unflagged{
        {{1920, 0, 4480, 1440}, {1920, 0, 4480, 1400}, 144, false},
        {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96, false},
    };
    EXPECT_EQ(ChooseMonitor(unflagged, kPicturesOnPointerMonitor, {PopupPoint{-10, -10}, {}}), std::optional<size_t>(1));
}

}  // namespace
