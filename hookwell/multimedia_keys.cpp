#include "hookwell/multimedia_keys.h"

#include "app/report_command_table.h"

#include <array>

namespace {

struct MultimediaKey {
    unsigned vk;
    // What the hook sends: the second code of the key's pair of commands.
    std::uint8_t command;
    // The first code of the pair, as ReportCommandTable names the key.
    std::uint8_t reportCommand;
};

// The virtual keys by the values Windows gives them (VK_BROWSER_BACK and on);
// the logic is built without <windows.h>.
constexpr std::array<MultimediaKey, 18> kMultimediaKeys = {{
    {0xAD, 0x20, 0x01},  // VK_VOLUME_MUTE
    {0xAC, 0x21, 0x02},  // VK_BROWSER_HOME
    {0xB4, 0x22, 0x03},  // VK_LAUNCH_MAIL
    {0xA9, 0x23, 0x04},  // VK_BROWSER_STOP
    {0xA6, 0x24, 0x05},  // VK_BROWSER_BACK
    {0xA7, 0x25, 0x06},  // VK_BROWSER_FORWARD
    {0xA8, 0x26, 0x07},  // VK_BROWSER_REFRESH
    {0xAF, 0x27, 0x0C},  // VK_VOLUME_UP
    {0xAE, 0x28, 0x0D},  // VK_VOLUME_DOWN
    {0xB3, 0x29, 0x08},  // VK_MEDIA_PLAY_PAUSE
    {0xB1, 0x2A, 0x09},  // VK_MEDIA_PREV_TRACK
    {0xB0, 0x2B, 0x0A},  // VK_MEDIA_NEXT_TRACK
    {0xB2, 0x2C, 0x0B},  // VK_MEDIA_STOP
    {0xB7, 0x2D, 0x0E},  // VK_LAUNCH_APP2, the calculator
    {0xB6, 0x2E, 0x12},  // VK_LAUNCH_APP1, My Computer
    {0xAB, 0x2F, 0x0F},  // VK_BROWSER_FAVORITES
    {0xAA, 0x30, 0x10},  // VK_BROWSER_SEARCH
    {0xB5, 0x31, 0x11},  // VK_LAUNCH_MEDIA_SELECT
}};

}  // namespace

std::optional<std::uint8_t> KeyCommandForVirtualKey(unsigned vk) {
    for (const MultimediaKey& key : kMultimediaKeys) {
        if (key.vk == vk) {
            return key.command;
        }
    }
    return std::nullopt;
}

std::optional<unsigned> VirtualKeyForReport(int reportCode) {
    if (reportCode < 0 || reportCode >= kReportCommandCount) {
        return std::nullopt;
    }
    const std::uint8_t command = ReportCommandTable[reportCode];
    for (const MultimediaKey& key : kMultimediaKeys) {
        if (key.reportCommand == command) {
            return key.vk;
        }
    }
    return std::nullopt;
}
