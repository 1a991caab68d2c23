#include "dispatch/key_chord.h"

void SendKeyChord(IDesktop& desktop, const std::vector<unsigned>& keys) {
    std::vector<KeyEvent> events;
    for (const unsigned vk : keys) {
        events.push_back(KeyEvent{vk, false, true});
    }
    for (auto vk = std::rbegin(keys); vk != std::rend(keys); ++vk) {
        events.push_back(KeyEvent{*vk, true, true});
    }
    desktop.SendKeys(events);
}
