// The modifier keys (Shift, Ctrl, Alt, the Windows keys) the user holds down,
// as the keyboard hook sees them: every key event but the program's own
// keystrokes, so that a chord the program presses can leave the modifiers
// exactly as the user holds them. Written on the hook thread, read on any.
#pragma once

#include <atomic>

class CUserModifiers {
public:
    // A key event of the user's (or another program's); other keys than the
    // modifiers leave it alone. Left and right keys count apart.
    void OnKey(unsigned vk, bool down);
    // Whether the user holds `vk`: Shift, Ctrl and Alt either key, or the
    // left or right one, or one Windows key.
    bool Holds(unsigned vk) const;
    // After sleep or the lock screen, whose key-ups the hook never saw.
    void Forget();

private:
    std::atomic<unsigned> m_held{0};
};

// The one the hook feeds.
CUserModifiers& UserModifiers();
