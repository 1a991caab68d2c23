// What the program does when the desktop changes under it. After sleep, and
// after the session was locked, switched away or taken over remotely, Windows
// may have dropped the keyboard hook without a word, and the keyboard may
// have come back as another device: the key input is set up afresh. Before
// such a change, the keys the program holds pressed are let go, as their
// release would be swallowed (the lock screen takes the key-up) and the user
// would come back to a stuck key.
#pragma once

namespace desktop_events {

// The two messages, as Windows numbers them.
constexpr unsigned kPowerBroadcast = 0x0218;     // WM_POWERBROADCAST
constexpr unsigned kSessionChange = 0x02B1;      // WM_WTSSESSION_CHANGE

struct Response {
    // The event's name for the diagnostics line; null for an event that asks nothing.
    const char* event = nullptr;
    // Install the keyboard hook afresh, register Raw Input and the hotkey
    // afresh, and read the input devices afresh.
    bool renewKeyInput = false;
    // Let go of a latched Shift and of every key the program holds pressed.
    bool letGoOfKeys = false;
};

// The response to `message` with `wParam`, the event's code.
Response ResponseTo(unsigned message, unsigned long wParam);

}  // namespace desktop_events
