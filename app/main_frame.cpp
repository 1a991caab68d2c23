#include "app/main_frame.h"

#include "app/globals.h"
#include "app/message_filter_win32.h"
#include "app/tamber_view.h"
#include "framework/diagnostics.h"
#include "framework/system_function.h"
#include "osd/startup_picture.h"
#include "res/resource.h"

#include <iterator>

namespace {

constexpr int kOffScreen = -32000;

const UINT kIndicators[] = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

// Lock, unlock and the session's connections reach a window that asked for
// them; from Windows XP on.
using SessionNotification = BOOL(WINAPI*)(HWND, DWORD);
using EndSessionNotification = BOOL(WINAPI*)(HWND);
constexpr DWORD kThisSession = 0;  // NOTIFY_FOR_THIS_SESSION

// What the view hears through the frame: only top-level windows hear that the
// shell has a new notification area and that the computer sleeps or wakes,
// and session changes come to the window that asked for them.
bool ForTheView(UINT message) {
    return (message == g_uTaskbarCreatedMsg && message != 0) || message == WM_POWERBROADCAST ||
           message == WM_WTSSESSION_CHANGE;
}

}  // namespace

const framework::MessageMap& CMainFrame::ThisMessageMap() {
    static const framework::MessageEntry entries[] = {
        framework::OnMessage<&CMainFrame::OnCreate>(WM_CREATE),
        framework::OnMessage<&CMainFrame::OnDestroy>(WM_DESTROY),
        framework::OnMessage<&CMainFrame::OnEndSession>(WM_ENDSESSION),
    };
    static const framework::MessageMap map = framework::MakeMessageMap(&CFrameWnd::ThisMessageMap(), entries);
    return map;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!CFrameWnd::PreCreateWindow(cs)) {
        return FALSE;
    }
    // No caption, border or title decoration, and no taskbar button.
    cs.style = WS_POPUP;
    cs.dwExStyle |= WS_EX_TOOLWINDOW;
    // Of no size and off every screen, where Windows keeps minimised windows:
    // the menus make it the foreground window, and under Wine a window on a
    // screen would be given to the window manager, which holds its end.
    cs.x = kOffScreen;
    cs.y = kOffScreen;
    cs.cx = 0;
    cs.cy = 0;
    return CFrameWnd::PreCreateWindow(cs);
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (ForTheView(message) && GetActiveView() != nullptr) {
        return GetActiveView()->WindowProc(message, wParam, lParam);
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

int CMainFrame::OnCreate(LPCREATESTRUCTA cs) {
    if (CFrameWnd::OnCreate(cs) == -1) {
        return -1;
    }
    // A restarted shell announces its notification area from a process of lower rights.
    AllowFromLowerRights(m_hWnd, g_uTaskbarCreatedMsg, "TaskbarCreated");
    const auto watch = framework::SystemFunction<SessionNotification>("wtsapi32.dll", "WTSRegisterSessionNotification");
    const bool watched = watch != nullptr && watch(m_hWnd, kThisSession);
    framework::Trace("session changes %s", watched ? "reported" : "not reported");
    CStartupPictureWnd::ShowStartupPicture(this);
    if (!m_wndToolBar.CreateEx(*this) || !m_wndToolBar.LoadToolBar(IDR_MAINFRAME) ||
        !m_wndStatusBar.Create(*this) ||
        !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators)))) {
        return -1;
    }
    RecalcLayout();
    return 0;
}

void CMainFrame::OnDestroy() {
    if (const auto stop =
            framework::SystemFunction<EndSessionNotification>("wtsapi32.dll", "WTSUnRegisterSessionNotification")) {
        stop(m_hWnd);
    }
    Default();
    // Others may have tagged the frame with this property; the program itself never sets it.
    ::RemovePropW(m_hWnd, L"一个不易于别的对象");
}

void CMainFrame::OnEndSession(WPARAM ending, LPARAM) {
    // Only top-level windows hear that Windows ends the session, and the process
    // may be gone right after this message.
    if (ending) {
        static_cast<CTamberView*>(GetActiveView())->ReleaseShiftLatch();
    }
}
