#include "dispatch/key_chord.h"

#include "dispatch/virtual_keys.h"

#include <algorithm>

namespace {

constexpr unsigned kVkRwin = 0x5C;
constexpr unsigned kModifierKeys[] = {kVkShift, kVkControl, kVkMenu, kVkLwin, kVkRwin};

void AddChord(std::vector<KeyEvent>& events, const std::vector<unsigned>& keys, const std::vector<unsigned>& letGo) {
    for (auto vk = keys.begin(); vk != keys.end(); ++vk) {
        events.push_back(KeyEvent{*vk, false, true});
        if (vk == keys.begin()) {
            for (const unsigned key : letGo) {
                events.push_back(KeyEvent{key, true, true});
            }
        }
    }
    for (auto vk = std::rbegin(keys); vk != std::rend(keys); ++vk) {
        events.push_back(KeyEvent{*vk, true, true});
    }
}

bool Contains(const std::vector<unsigned>& keys, unsigned vk) {
    return std::find(keys.begin(), keys.end(), vk) != keys.end();
}

// After a chord of `keys`, which went up with it: each modifier as the user holds it.
void AddModifiersAsHeld(std::vector<KeyEvent>& events, const std::vector<unsigned>& keys,
                        const ModifierKeys& before) {
    for (const unsigned vk : kModifierKeys) {
        const bool down = !Contains(keys, vk) && Contains(before.down, vk);
        const bool held = Contains(before.held, vk);
        if (down != held) {
            events.push_back(KeyEvent{vk, down, true});
        }
    }
}

}  // namespace

void SendKeyChord(IDesktop& desktop, const std::vector<unsigned>& keys) {
    const ModifierKeys before = desktop.Modifiers();
    std::vector<KeyEvent> events;
    AddChord(events, keys, {});
    AddModifiersAsHeld(events, keys, before);
    desktop.SendKeys(events);
}

std::vector<unsigned> LetGoOfStrayModifiers(IDesktop& desktop) {
    const ModifierKeys now = desktop.Modifiers();
    std::vector<unsigned> letGo;
    std::vector<KeyEvent> events;
    for (const unsigned vk : kModifierKeys) {
        if (Contains(now.down, vk) && !Contains(now.held, vk)) {
            letGo.push_back(vk);
            events.push_back(KeyEvent{vk, true, true});
        }
    }
    if (!events.empty()) {
        desktop.SendKeys(events);
    }
    return letGo;
}

void SendKeyChordAlone(IDesktop& desktop, const std::vector<unsigned>& keys, const std::vector<unsigned>& held) {
    std::vector<unsigned> letGo;
    for (const unsigned vk : kModifierKeys) {
        // A modifier of the chord itself goes up with the chord.
        if (!Contains(keys, vk)) {
            letGo.push_back(vk);
        }
    }
    std::vector<KeyEvent> events;
    AddChord(events, keys, letGo);
    for (const unsigned vk : held) {
        events.push_back(KeyEvent{vk, false, true});
    }
    desktop.SendKeys(events);
}
