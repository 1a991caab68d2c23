// The virtual-key codes the dispatcher sends, by the values Windows gives them
// (the logic is built without <windows.h>).
#pragma once

constexpr unsigned kVkReturn = 0x0D;
constexpr unsigned kVkShift = 0x10;
constexpr unsigned kVkControl = 0x11;
constexpr unsigned kVkMenu = 0x12;
constexpr unsigned kVkEscape = 0x1B;
constexpr unsigned kVkLeft = 0x25;
constexpr unsigned kVkUp = 0x26;
constexpr unsigned kVkRight = 0x27;
constexpr unsigned kVkDown = 0x28;
constexpr unsigned kVkLwin = 0x5B;
constexpr unsigned kVkF1 = 0x70;
constexpr unsigned kVkF4 = 0x73;
constexpr unsigned kVkF5 = 0x74;
constexpr unsigned kVkF7 = 0x76;
constexpr unsigned kVkLmenu = 0xA4;
constexpr unsigned kVkVolumeMute = 0xAD;
constexpr unsigned kVkVolumeDown = 0xAE;
constexpr unsigned kVkVolumeUp = 0xAF;
