// The eighteen multimedia keys as Windows hands them to a keyboard hook: the
// virtual key, the key command the hook sends for it, and the command the
// keyboard's own report of the same key stands for in ReportCommandTable.
#pragma once

#include <cstdint>
#include <optional>

// The key command (0x20-0x31) for a multimedia virtual key; nothing for any other key.
std::optional<std::uint8_t> KeyCommandForVirtualKey(unsigned vk);

// The virtual key Windows makes of the key behind a report code, for the
// multimedia keys that have one; nothing for every other report code.
std::optional<unsigned> VirtualKeyForReport(int reportCode);

// VK_VOLUME_MUTE, VK_VOLUME_DOWN and VK_VOLUME_UP.
constexpr bool IsVolumeKey(unsigned vk) {
    return vk >= 0xAD && vk <= 0xAF;
}
