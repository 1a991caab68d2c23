#include "app/tamber_app.h"

#include "app/globals.h"
#include "app/main_frame.h"
#include "app/os_kind.h"
#include "app/tamber_doc.h"
#include "app/tamber_view.h"
#include "dispatch/safe_search_win32.h"
#include "framework/diagnostics.h"
#include "osd/startup_picture.h"
#include "res/resource.h"

#include <ole2.h>

namespace {

CTamberApp theApp;

// The name both instances create; the second finds it already there.
constexpr char kSingleInstanceMutex[] = "610121710930491";

}  // namespace

CTamberApp& TheApp() {
    return theApp;
}

const framework::MessageMap& CTamberApp::ThisMessageMap() {
    static const framework::MessageEntry entries[] = {
        framework::OnCommand<&CTamberApp::OnAppAbout>(ID_APP_ABOUT),
    };
    static const framework::MessageMap map = framework::MakeMessageMap(&CWinApp::ThisMessageMap(), entries);
    return map;
}

BOOL CTamberApp::InitInstance() {
    UseSafeSearchOrder();

    // Owned for the whole run and never closed: its existence marks the running instance.
    ::CreateMutexA(nullptr, TRUE, kSingleInstanceMutex);
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::PostQuitMessage(0);
        return TRUE;
    }

    // The clipboard's data object, used around pasted texts, needs OLE on this thread.
    ::OleInitialize(nullptr);

    framework::CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    CStartupPictureWnd::EnableStartupPicture(commandLine.m_bShowSplash);

    g_nOsKind = QueryOsKind();
    g_nOsRelease = QueryOsRelease();
    framework::Trace("os kind %d", g_nOsKind);
    framework::Trace("os release %d", g_nOsRelease);

    SetRegistryKey("Fennick");
    LoadStdProfileSettings(4);

    InitDefaultPaths();
    LoadMenuEnable();

    AddDocTemplate(framework::CSingleDocTemplate::Make<CTamberDoc, CMainFrame, CTamberView>(IDR_MAINFRAME));
    ParseCommandLine(commandLine);
    if (!ProcessShellCommand(commandLine)) {
        return FALSE;
    }
    // Shown without taking the foreground from the program the user is in.
    ::ShowWindow(m_pMainWnd->m_hWnd, SW_SHOWNOACTIVATE);
    ::UpdateWindow(m_pMainWnd->m_hWnd);
    return TRUE;
}
