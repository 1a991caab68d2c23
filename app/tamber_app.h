// The application object: single instance, version class, settings, and the
// single-document triple of hidden frame, empty document and working view.
#pragma once

#include "framework/win_app.h"

#include <string>

struct KeyboardSettings;

class CTamberApp : public framework::CWinApp {
public:
    BOOL InitInstance() override;

    // Program paths (UTF-8) and the user-menu switch, filled at start-up from the settings.
    std::string m_strStartPage;
    std::string m_strEmailPath;
    std::string m_strMediaPath;
    std::string m_strCalculatorPath;
    BOOL m_bMenuEnable = FALSE;

    void InitDefaultPaths();
    void LoadMenuEnable();
    // Stores the three paths; the Setup dialog calls it on OK.
    void SavePaths();
    // The Keyboard Properties dialog's set: loaded when it is made (the menu
    // switch follows when the settings key opens), saved on OK.
    KeyboardSettings LoadKeyboardSettings();
    void SaveKeyboardSettings(const KeyboardSettings& settings);

    // Runs the About box (the framework's standard about command).
    void OnAppAbout();

    KV_DECLARE_MESSAGE_MAP()
};

CTamberApp& TheApp();
