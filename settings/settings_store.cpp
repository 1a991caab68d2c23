#include "settings/settings_store.h"

#include "dispatch/text_encoding_win32.h"
#include "registry/reg_access.h"

#include <filesystem>
#include <fstream>

namespace {

constexpr char kInternetExplorerMain[] = "Software\\Microsoft\\Internet Explorer\\main";
constexpr char kWindowsCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";

using FolderQuery = UINT(WINAPI*)(LPWSTR, UINT);

// Empty when the system cannot say (or the folder would not fit).
std::string Folder(FolderQuery query) {
    wchar_t folder[MAX_PATH];
    const UINT length = query(folder, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? std::string() : Utf8FromWide(std::wstring(folder, length));
}

bool OpensForReading(const std::string& path) {
    return std::ifstream(std::filesystem::u8path(path), std::ios::binary).is_open();
}

// From a key open for reading. A value too long to read leaves the text empty.
std::optional<std::string> TextOf(CRegAccess& reg, const char* name) {
    if (!reg.ValueExists(name)) {
        return std::nullopt;
    }
    std::wstring text;
    reg.QueryText(name, text);
    return Utf8FromWide(text);
}

// From a key open for reading; 0 when the value is missing.
int DwordOf(CRegAccess& reg, const char* name) {
    DWORD value = 0;
    if (reg.ValueExists(name)) {
        reg.QueryDword(name, value);
    }
    return static_cast<int>(value);
}

int SettingDword(const char* name) {
    CRegAccess reg(HKEY_LOCAL_MACHINE);
    return reg.Open(HKEY_LOCAL_MACHINE, kSettingsKey, false) ? DwordOf(reg, name) : 0;
}

}  // namespace

std::optional<std::string> ReadTextValue(HKEY root, const char* path, const char* name) {
    CRegAccess reg(root);
    return reg.Open(root, path, false) ? TextOf(reg, name) : std::nullopt;
}

std::optional<std::string> ReadSetting(const char* valueName) {
    return ReadTextValue(HKEY_LOCAL_MACHINE, kSettingsKey, valueName);
}

std::optional<KeyboardSettings> ReadKeyboardSettings() {
    CRegAccess reg(HKEY_LOCAL_MACHINE);
    if (!reg.Open(HKEY_LOCAL_MACHINE, kSettingsKey, false)) {
        return std::nullopt;
    }
    KeyboardSettings settings;
    for (const SettingText& text : kSettingTexts) {
        settings.*text.field = TextOf(reg, text.valueName).value_or("");
    }
    settings.m_bMenuEnable = DwordOf(reg, kMenuEnableValue);
    return settings;
}

void WriteKeyboardSettings(const KeyboardSettings& settings) {
    CRegAccess reg(HKEY_LOCAL_MACHINE);
    if (!reg.Open(HKEY_LOCAL_MACHINE, kSettingsKey, true)) {
        return;
    }
    for (const SettingText& text : kSettingTexts) {
        reg.SetText(text.valueName, WideFromUtf8(settings.*text.field));
    }
    reg.SetDword(kMenuEnableValue, static_cast<DWORD>(settings.m_bMenuEnable));
}

int ReadMenuEnable() {
    return SettingDword(kMenuEnableValue);
}

int ReadPictureMonitor() {
    return SettingDword(kPictureMonitorValue);
}

void WritePictureMonitor(int choice) {
    CRegAccess reg(HKEY_LOCAL_MACHINE);
    if (reg.Open(HKEY_LOCAL_MACHINE, kSettingsKey, true)) {
        reg.SetDword(kPictureMonitorValue, static_cast<DWORD>(choice));
    }
}

void WritePaths(const std::string& emailPath, const std::string& mediaPath, const std::string& calculatorPath) {
    CRegAccess reg(HKEY_LOCAL_MACHINE);
    if (!reg.Open(HKEY_LOCAL_MACHINE, kSettingsKey, true)) {
        return;
    }
    reg.SetText(kEmailPathValue, WideFromUtf8(emailPath));
    reg.SetText(kMediaPathValue, WideFromUtf8(mediaPath));
    reg.SetText(kCalculatorPathValue, WideFromUtf8(calculatorPath));
}

DefaultPaths WorkOutDefaultPaths(int osKind) {
    const SystemPlaces places{ReadTextValue(HKEY_CURRENT_USER, kInternetExplorerMain, "Start Page").value_or(""),
                              ReadTextValue(HKEY_LOCAL_MACHINE, kWindowsCurrentVersion, "ProgramFilesDir").value_or(""),
                              Folder(&::GetSystemDirectoryW), Folder(&::GetWindowsDirectoryW)};
    return ComposeDefaultPaths(places, osKind, &OpensForReading);
}
