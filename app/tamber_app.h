// The application object: single instance, version class, settings, and the
// single-document triple of hidden frame, empty document and working view.
#pragma once

#include "framework/win_app.h"

#include <string>

class CTamberApp : public framework::CWinApp {
public:
    BOOL InitInstance() override;

    // Program paths and the user-menu switch, filled at start-up from the settings.
    std::string m_strStartPage;
    std::string m_strEmailPath;
    std::string m_strMediaPath;
    std::string m_strCalculatorPath;
    BOOL m_bMenuEnable = FALSE;

    void InitDefaultPaths();
    void LoadMenuEnable();

    // Runs the About box (the framework's standard about command).
    void OnAppAbout();

    KV_DECLARE_MESSAGE_MAP()
};

CTamberApp& TheApp();
