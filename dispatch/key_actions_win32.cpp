#include "dispatch/key_actions_win32.h"

#include "dispatch/text_encoding_win32.h"
#include "settings/keyboard_settings.h"

#include <windows.h>

#include <string>
#include <utility>

namespace {

const std::string kKeysKey = std::string(kSettingsKey) + "\\Keys";

// A value's type and, for a string, its text up to the first NUL (a value may
// be stored without one).
std::pair<StoredValueType, std::string> ReadValue(HKEY key, const char* name) {
    const std::wstring wideName = WideFromUtf8(name);
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(key, wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return {StoredValueType::kMissing, ""};
    }
    if (type != REG_SZ) {
        return {StoredValueType::kOther, ""};
    }
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    DWORD read = size;
    if (::RegQueryValueExW(key, wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &read) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        // Changed between the two reads; the change notification brings it again.
        return {StoredValueType::kMissing, ""};
    }
    text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
    return {StoredValueType::kString, Utf8FromWide(text)};
}

}  // namespace

CKeyActions::CKeyActions() : m_watch(HKEY_LOCAL_MACHINE, kSettingsKey) {}

const KeyAction& CKeyActions::For(const KeyName& key) {
    if (m_watch.MayHaveChanged()) {
        Load();
    }
    return m_actions.at(static_cast<std::size_t>(&key - KeyNames.data()));
}

void CKeyActions::Load() {
    m_actions.fill(KeyAction{});
    HKEY key = nullptr;
    // Read only: the program never makes the key, nor changes who may write it.
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKeysKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return;
    }
    for (std::size_t i = 0; i < KeyNames.size(); ++i) {
        const auto [type, text] = ReadValue(key, KeyNames[i].name);
        m_actions[i] = ParseKeyAction(type, text);
    }
    ::RegCloseKey(key);
}
