// The main frame: a pop-up of no size and without a taskbar button that only
// hosts the working view. The program recognises its own window by its title.
#pragma once

#include "framework/control_bars.h"
#include "framework/frame_wnd.h"

class CMainFrame : public framework::CFrameWnd {
public:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    KV_DECLARE_MESSAGE_MAP()

private:
    int OnCreate(LPCREATESTRUCTA cs);
    void OnDestroy();
    void OnEndSession(WPARAM ending, LPARAM);

    framework::CToolBar m_wndToolBar;
    framework::CStatusBar m_wndStatusBar;
};
