#include "hookwell/multimedia_keys.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Windows' values of the eighteen virtual keys.
constexpr unsigned kVkBrowserBack = 0xA6;
constexpr unsigned kVkBrowserForward = 0xA7;
constexpr unsigned kVkBrowserRefresh = 0xA8;
constexpr unsigned kVkBrowserStop = 0xA9;
constexpr unsigned kVkBrowserSearch = 0xAA;
constexpr unsigned kVkBrowserFavorites = 0xAB;
constexpr unsigned kVkBrowserHome = 0xAC;
constexpr unsigned kVkVolumeMute = 0xAD;
constexpr unsigned kVkVolumeDown = 0xAE;
constexpr unsigned kVkVolumeUp = 0xAF;
constexpr unsigned kVkMediaNextTrack = 0xB0;
constexpr unsigned kVkMediaPrevTrack = 0xB1;
constexpr unsigned kVkMediaStop = 0xB2;
constexpr unsigned kVkMediaPlayPause = 0xB3;
constexpr unsigned kVkLaunchMail = 0xB4;
constexpr unsigned kVkLaunchMediaSelect = 0xB5;
constexpr unsigned kVkLaunchApp1 = 0xB6;
constexpr unsigned kVkLaunchApp2 = 0xB7;

TEST(MultimediaKeys, EachVirtualKeyGivesItsKeyCommand) {
    const std::map<unsigned, std::uint8_t> expected = {
        {kVkVolumeMute, 0x20},       {kVkBrowserHome, 0x21},      {kVkLaunchMail, 0x22},
        {kVkBrowserStop, 0x23},      {kVkBrowserBack, 0x24},      {kVkBrowserForward, 0x25},
        {kVkBrowserRefresh, 0x26},   {kVkVolumeUp, 0x27},         {kVkVolumeDown, 0x28},
        {kVkMediaPlayPause, 0x29},   {kVkMediaPrevTrack, 0x2A},   {kVkMediaNextTrack, 0x2B},
        {kVkMediaStop, 0x2C},        {kVkLaunchApp2, 0x2D},       {kVkLaunchApp1, 0x2E},
        {kVkBrowserFavorites, 0x2F}, {kVkBrowserSearch, 0x30},    {kVkLaunchMediaSelect, 0x31},
    };
    for (unsigned vk = 0; vk <= 0x1FF; ++vk) {
        const auto found = expected.find(vk);
        const std::optional<std::uint8_t> command =
            found == expected.end() ? std::nullopt : std::optional<std::uint8_t>(found->second);
        EXPECT_EQ(KeyCommandForVirtualKey(vk), command) << "virtual key " << vk;
    }
}

TEST(MultimediaKeys, ReportsOfMultimediaKeysHaveTheirVirtualKeys) {
    // The keyboard's report codes whose keys Windows also turns into virtual keys.
    const std::map<int, unsigned> expected = {
        {5, kVkBrowserStop},      {6, kVkBrowserRefresh},   {7, kVkBrowserHome},     {8, kVkLaunchMail},
        {9, kVkBrowserSearch},    {10, kVkBrowserFavorites}, {11, kVkMediaPlayPause}, {12, kVkMediaStop},
        {13, kVkMediaPrevTrack},  {14, kVkMediaNextTrack},  {22, kVkLaunchApp1},     {23, kVkLaunchApp2},
        {24, kVkBrowserBack},     {25, kVkBrowserForward},  {28, kVkVolumeUp},       {29, kVkVolumeDown},
        {30, kVkVolumeMute},
    };
    for (int report = -1; report <= 0x100; ++report) {
        const auto found = expected.find(report);
        const std::optional<unsigned> vk =
            found == expected.end() ? std::nullopt : std::optional<unsigned>(found->second);
        EXPECT_EQ(VirtualKeyForReport(report), vk) << "report code " << report;
    }
}

}  // namespace
