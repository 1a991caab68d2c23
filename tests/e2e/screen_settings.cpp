#include "tests/e2e/screen_settings.h"

#include <string>

namespace e2e {

namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kThemeKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";

std::string StyleFile() {
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, sizeof windows);
    return std::string(windows) + "\\resources\\themes\\light\\light.msstyles";
}

}  // namespace

ScreenScale::ScreenScale(DWORD dpi) : m_saved(HKEY_CURRENT_USER, kDesktopKey, "LogPixels") {
    WriteRawValue(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", REG_DWORD,
                  std::string(reinterpret_cast<const char*>(&dpi), sizeof dpi));
}

// The style file offers one colour scheme, "Blue": another name leaves the
// classic look.
LightVisualStyle::LightVisualStyle()
    : m_active(HKEY_CURRENT_USER, kThemeKey, "ThemeActive"),
      m_file(HKEY_CURRENT_USER, kThemeKey, "DllName"),
      m_colour(HKEY_CURRENT_USER, kThemeKey, "ColorName"),
      m_size(HKEY_CURRENT_USER, kThemeKey, "SizeName") {
    m_active.Set("1");
    m_file.Set(StyleFile());
    m_colour.Set("Blue");
    m_size.Set("NormalSize");
}

}  // namespace e2e
