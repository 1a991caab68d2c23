#include "hookwell/keyboard_devices.h"

#include <utility>

CKeyboardDevices::CKeyboardDevices(Lookup lookup) : m_lookup(std::move(lookup)) {}

std::optional<bool> CKeyboardDevices::Ask(Handle device) {
    const std::optional<bool> answer = m_lookup(device);
    if (answer) {
        m_devices[device] = *answer;
    }
    return answer;
}

bool CKeyboardDevices::IsTheKeyboard(Handle device) {
    const auto known = m_devices.find(device);
    if (known != m_devices.end()) {
        return known->second;
    }
    return Ask(device).value_or(false);
}

std::optional<bool> CKeyboardDevices::Arrived(Handle device) {
    // A handle taken back and given out again names the new device.
    m_devices.erase(device);
    return Ask(device);
}

bool CKeyboardDevices::Removed(Handle device) {
    return m_devices.erase(device) != 0;
}

void CKeyboardDevices::Forget() {
    m_devices.clear();
}
