#include "settings/keys_store_win32.h"

#include "dispatch/text_encoding_win32.h"
#include "settings/keyboard_settings.h"

#include <windows.h>

namespace {

const std::wstring kKeysKey = WideFromUtf8(std::string(kSettingsKey) + "\\Keys");

std::string SystemMessage(LONG error) {
    wchar_t text[256] = {};
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                         static_cast<DWORD>(error), 0, text, static_cast<DWORD>(std::size(text)), nullptr);
    std::wstring message(text, length);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ')) {
        message.pop_back();
    }
    return message.empty() ? "error " + std::to_string(error) : Utf8FromWide(message);
}

LONG StoreOne(HKEY keys, const std::string& name, const std::string& text) {
    const std::wstring wideName = WideFromUtf8(name);
    if (text.empty()) {
        const LONG removed = ::RegDeleteValueW(keys, wideName.c_str());
        return removed == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : removed;
    }
    const std::wstring wideText = WideFromUtf8(text);
    return ::RegSetValueExW(keys, wideName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wideText.c_str()),
                            static_cast<DWORD>((wideText.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

std::vector<std::string> StoreKeyActions(const std::vector<std::pair<std::string, std::string>>& values) {
    std::vector<std::string> failures;
    if (values.empty()) {
        return failures;
    }
    // Made without an access list of its own, the key takes the settings
    // key's: administrators write, everyone else only reads.
    HKEY keys = nullptr;
    const LONG opened = ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKeysKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                          KEY_SET_VALUE, nullptr, &keys, nullptr);
    for (const auto& [name, text] : values) {
        const LONG stored = opened == ERROR_SUCCESS ? StoreOne(keys, name, text) : opened;
        if (stored != ERROR_SUCCESS) {
            failures.push_back(name + ": " + SystemMessage(stored));
        }
    }
    if (opened == ERROR_SUCCESS) {
        ::RegCloseKey(keys);
    }
    return failures;
}
