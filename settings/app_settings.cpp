// The application object's side of the settings store.
#include "app/globals.h"
#include "app/tamber_app.h"
#include "settings/settings_store.h"

#include <utility>

void CTamberApp::InitDefaultPaths() {
    DefaultPaths paths = WorkOutDefaultPaths(g_nOsKind);
    m_strStartPage = std::move(paths.startPage);
    m_strEmailPath = std::move(paths.emailPath);
    m_strMediaPath = std::move(paths.mediaPath);
    m_strCalculatorPath = std::move(paths.calculatorPath);
}

void CTamberApp::LoadMenuEnable() {
    m_bMenuEnable = ReadMenuEnable();
}

void CTamberApp::SavePaths() {
    WritePaths(m_strEmailPath, m_strMediaPath, m_strCalculatorPath);
}

KeyboardSettings CTamberApp::LoadKeyboardSettings() {
    std::optional<KeyboardSettings> settings = ReadKeyboardSettings();
    if (!settings) {
        return KeyboardSettings{};
    }
    m_bMenuEnable = settings->m_bMenuEnable;
    return *settings;
}

void CTamberApp::SaveKeyboardSettings(const KeyboardSettings& settings) {
    WriteKeyboardSettings(settings);
    m_bMenuEnable = settings.m_bMenuEnable;
}
