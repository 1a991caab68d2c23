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

}  // namespace

void SendKeyChord(IDesktop& desktop, const std::vector<unsigned>& keys) {
    std::vector<KeyEvent> events;
    AddChord(events, keys, {});
    desktop.SendKeys(events);
}

void SendKeyChordAlone(IDesktop& desktop, const std::vector<unsigned>& keys, const std::vector<unsigned>& held) {
    std::vector<unsigned> letGo;
    for (const unsigned vk : kModifierKeys) {
        // A modifier of the chord itself goes up with the chord.
        if (std::find(keys.begin(), keys.end(), vk) == keys.end()) {
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
