// The program's entry point hands over to the one application object.
#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    framework::CWinApp* app = framework::GetApp();
    if (app == nullptr) {
        return 1;
    }
    app->m_hInstance = instance;
    app->m_lpCmdLine = commandLine;
    app->m_nCmdShow = showCommand;
    if (!app->InitInstance()) {
        return app->ExitInstance();
    }
    return app->Run();
}
