#include "dispatch/key_chord.h"

#include <vector>

void SendKeyChord(IDesktop& desktop, std::initializer_list<unsigned> keys) {
    std::vector<KeyEvent> events;
    for (const unsigned vk : keys) {
        events.push_back(KeyEvent{vk, false, true});
    }
    for (auto vk = std::rbegin(keys); vk != std::rend(keys); ++vk) {
        events.push_back(KeyEvent{*vk, true, true});
    }
    desktop.SendKeys(events);
}
