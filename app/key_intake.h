// What the view does with a message before its message table sees it: the two
// key roads ("KeyCommand" from the hook library, WM_USER+104 from the key log)
// and the two icon notifications.
#pragma once

#include <cstdint>
#include <optional>

constexpr unsigned kMsgTrayNotify = 0x0400 + 100;    // WM_USER+100
constexpr unsigned kMsgKeyActivity = 0x0400 + 101;   // WM_USER+101: active icon, no command
constexpr unsigned kMsgIconNormal = 0x0400 + 102;    // WM_USER+102
constexpr unsigned kMsgKeyLogRecord = 0x0400 + 104;  // WM_USER+104: lParam is a report code
// From the playback devices' news (Vista and later): a change made elsewhere
// (wParam the mute state, lParam the level), and a new default device.
constexpr unsigned kMsgVolumeChanged = 0x0400 + 105;
constexpr unsigned kMsgDefaultDeviceChanged = 0x0400 + 106;

struct KeyIntake {
    enum class Icon { kUnchanged, kActive, kNormal };
    Icon icon = Icon::kUnchanged;
    // (Re)start the 100 ms timer that brings the normal icon back.
    bool restartIconTimer = false;
    // The key command to dispatch, if any.
    std::optional<std::uint8_t> command;
};

// `keyCommandMsg` is the number of the registered "KeyCommand" message.
KeyIntake TakeKeyEvent(unsigned message, unsigned keyCommandMsg, std::uintptr_t wParam, std::intptr_t lParam);
