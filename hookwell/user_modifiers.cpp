#include "hookwell/user_modifiers.h"

namespace {

struct Modifier {
    unsigned vk;
    unsigned keys;  // the bits of the left and right keys it stands for
};

// The keys by their left and right virtual keys (the hook's), and the
// generic ones, which another program's keystrokes may carry: taken as left.
constexpr Modifier kModifiers[] = {
    {0xA0, 1u << 0},  // VK_LSHIFT
    {0xA1, 1u << 1},  // VK_RSHIFT
    {0xA2, 1u << 2},  // VK_LCONTROL
    {0xA3, 1u << 3},  // VK_RCONTROL
    {0xA4, 1u << 4},  // VK_LMENU
    {0xA5, 1u << 5},  // VK_RMENU
    {0x5B, 1u << 6},  // VK_LWIN
    {0x5C, 1u << 7},  // VK_RWIN
    {0x10, 1u << 0},  // VK_SHIFT
    {0x11, 1u << 2},  // VK_CONTROL
    {0x12, 1u << 4},  // VK_MENU
};

// Generic keys are held when either side is.
constexpr Modifier kEitherSide[] = {
    {0x10, 3u << 0},
    {0x11, 3u << 2},
    {0x12, 3u << 4},
};

}  // namespace

void CUserModifiers::OnKey(unsigned vk, bool down) {
    for (const Modifier& modifier : kModifiers) {
        if (modifier.vk == vk) {
            if (down) {
                m_held.fetch_or(modifier.keys);
            } else {
                m_held.fetch_and(~modifier.keys);
            }
            return;
        }
    }
}

bool CUserModifiers::Holds(unsigned vk) const {
    for (const Modifier& modifier : kEitherSide) {
        if (modifier.vk == vk) {
            return (m_held.load() & modifier.keys) != 0;
        }
    }
    for (const Modifier& modifier : kModifiers) {
        if (modifier.vk == vk) {
            return (m_held.load() & modifier.keys) != 0;
        }
    }
    return false;
}

void CUserModifiers::Forget() {
    m_held.store(0);
}

CUserModifiers& UserModifiers() {
    static CUserModifiers modifiers;
    return modifiers;
}
