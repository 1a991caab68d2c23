#include "app/tamber_view.h"

#include "app/globals.h"
#include "app/key_intake.h"
#include "app/message_filter_win32.h"
#include "framework/diagnostics.h"
#include "framework/frame_wnd.h"
#include "framework/stage_stamps.h"
#include "res/resource.h"

namespace {

static_assert(CTamberView::kTrayIconId == IDR_MAINFRAME, "the tray icon takes the frame's number");
constexpr UINT kTrayIconPeriodMs = 100;
// Quit waits this long at most for the icon to be removed, so that the
// program ends within a second even while the shell does not answer.
constexpr DWORD kTrayIconRemovalMs = 500;
constexpr char kTrayTip[] = "Office Keyvane";
// Asked by the latency benchmark alone: the answer is the address of the
// ring of stage stamps, which it reads from outside.
const UINT g_uStageStampsMsg = ::RegisterWindowMessageA("KeyvaneStageStamps");

HICON TrayIcon(WORD resource) {
    return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource));
}

}  // namespace

CTamberView::CTamberView() : CFormView(IDD_TAMBER_FORM) {}

const framework::MessageMap& CTamberView::ThisMessageMap() {
    static const framework::MessageEntry entries[] = {
        framework::OnMessage<&CTamberView::OnCreate>(WM_CREATE),
        framework::OnMessage<&CTamberView::OnTrayNotify>(kMsgTrayNotify),
        framework::OnMessage<&CTamberView::OnTimer>(WM_TIMER),
        framework::OnMessage<&CTamberView::OnVolumeChangedElsewhere>(kMsgVolumeChanged),
        framework::OnMessage<&CTamberView::OnDefaultDeviceChanged>(kMsgDefaultDeviceChanged),
        framework::OnMessage<&CTamberView::OnRenderFormat>(WM_RENDERFORMAT),
        framework::OnMessage<&CTamberView::OnRenderAllFormats>(WM_RENDERALLFORMATS),
        framework::OnMessage<&CTamberView::OnDestroyClipboard>(WM_DESTROYCLIPBOARD),
        framework::OnCommand<&CTamberView::OnSetup>(ID_SETUP),
        framework::OnCommand<&CTamberView::OnAbout>(ID_TRAY_ABOUT),
        framework::OnCommand<&CTamberView::OnKeys>(ID_TRAY_KEYS),
        framework::OnCommand<&CTamberView::OnQuit>(ID_TRAY_QUIT),
        framework::OnCommand<&CTamberView::OnTypeText>(ID_TEXT_COMPANY),
        framework::OnCommand<&CTamberView::OnTypeText>(ID_TEXT_PERSONAL),
        framework::OnCommand<&CTamberView::OnTypeText>(ID_TEXT_OTHER1),
        framework::OnCommand<&CTamberView::OnTypeText>(ID_TEXT_OTHER2),
        framework::OnCommand<&CTamberView::OnTypeText>(ID_TEXT_OTHER3),
        framework::OnCommand<&CTamberView::OnOpenShellFolder>(ID_FOLDER_DOCUMENTS),
        framework::OnCommand<&CTamberView::OnOpenShellFolder>(ID_FOLDER_FAVORITES),
        framework::OnCommand<&CTamberView::OnOpenShellFolder>(ID_FOLDER_PICTURES),
        framework::OnCommand<&CTamberView::OnLaunchShortcut>(ID_SHORTCUT1),
        framework::OnCommand<&CTamberView::OnLaunchShortcut>(ID_SHORTCUT2),
        framework::OnCommand<&CTamberView::OnLaunchShortcut>(ID_SHORTCUT3),
        framework::OnCommand<&CTamberView::OnLaunchShortcut>(ID_SHORTCUT4),
        framework::OnCommand<&CTamberView::OnConfig>(ID_CONFIG),
        framework::OnCommand<&CTamberView::OnUserMenuExit>(ID_USER_MENU_EXIT),
        framework::OnCommand<&CTamberView::OnConfig>(ID_CONFIG_AGAIN),
        framework::OnCommand<&CTamberView::OnUninstallDriver>(ID_UNINSTALL_DRIVER),
        framework::OnCommand<&CTamberView::OnHelp>(ID_HELP),
    };
    static const framework::MessageMap map = framework::MakeMessageMap(&CFormView::ThisMessageMap(), entries);
    return map;
}

int CTamberView::OnCreate(LPCREATESTRUCTA) {
    if (Default() == -1) {
        return -1;
    }
    m_bIconActive = FALSE;
    m_pictures.Start();
    // The shell reports clicks on the icon from a process of lower rights.
    AllowFromLowerRights(m_hWnd, kMsgTrayNotify, "the tray icon's callback");
    m_trayIcon.Start(m_hWnd, kTrayIconId, kMsgTrayNotify, TrayIcon(IDI_TRAY_NORMAL), TrayIcon(IDI_TRAY_ACTIVE),
                     kTrayTip);
    return 0;
}

void CTamberView::OnInitialUpdate() {
    CFormView::OnInitialUpdate();
    GetParentFrame()->RecalcLayout();
    ResizeParentToFit(true);
    if (OpenMixer()) {
        FindVolumeControl();
        FindMuteControl();
    }
    g_hViewWnd = m_hWnd;
    m_bEjectOpens = true;
    m_bShiftLatched = FALSE;
    m_logPoller.Start();
    // The hook library's road: its thread needs the view's window to post to.
    m_keybdhook.Start(m_hWnd, g_nOsKind);
}

LRESULT CTamberView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_uStageStampsMsg && message != 0) {
        return reinterpret_cast<LRESULT>(&framework::StageStamps());
    }
    // The shell tells the top-level windows only; the frame hands it on.
    if (message == g_uTaskbarCreatedMsg && message != 0) {
        m_trayIcon.AddAgain();
        return 0;
    }
    if (message == WM_POWERBROADCAST || message == WM_WTSSESSION_CHANGE) {
        OnDesktopEvent(message, wParam);
    }
    const KeyIntake intake = TakeKeyEvent(message, g_uKeyCommandMsg, wParam, lParam);
    if (intake.restartIconTimer) {
        framework::StampStage(framework::Stage::kViewTook);
    }
    // The key acts first; the icon follows, which the user would not see sooner anyway.
    if (intake.command) {
        DispatchKeyCommand(*intake.command);
    }
    if (intake.icon != KeyIntake::Icon::kUnchanged) {
        SetTrayIcon(intake.icon == KeyIntake::Icon::kActive);
    }
    if (intake.restartIconTimer) {
        ::SetTimer(m_hWnd, kTimerTrayIcon, kTrayIconPeriodMs, nullptr);
    }
    return CFormView::WindowProc(message, wParam, lParam);
}

void CTamberView::SetTrayIcon(BOOL active) {
    framework::StampStage(framework::Stage::kIconSwitching);
    m_bIconActive = active;
    m_trayIcon.Show(active != FALSE);
    framework::StampStage(framework::Stage::kIconSwitched);
    framework::Trace("icon %s", active ? "active" : "normal");
}

void CTamberView::OnQuit() {
    // Quit may come while one of our menus is shown; the menu's own message
    // loop would keep the program running until the user dismissed the menu.
    if (m_bMenuOpen) {
        ::EndMenu();
    }
    m_trayIcon.Remove(kTrayIconRemovalMs);
    m_pictures.Stop();
    ReleaseShiftLatch();
    framework::Trace("quit");
    ::PostQuitMessage(0);
}
