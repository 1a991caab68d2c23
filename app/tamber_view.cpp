#include "app/tamber_view.h"

#include "app/globals.h"
#include "app/key_intake.h"
#include "framework/diagnostics.h"
#include "framework/frame_wnd.h"
#include "framework/stage_stamps.h"
#include "res/resource.h"

#include <cstring>

namespace {

constexpr UINT kTrayIconId = IDR_MAINFRAME;
constexpr UINT kTrayIconPeriodMs = 100;
constexpr char kTrayTip[] = "Office Keyvane";
// Asked by the latency benchmark alone: the answer is the address of the
// ring of stage stamps, which it reads from outside.
const UINT g_uStageStampsMsg = ::RegisterWindowMessageA("KeyvaneStageStamps");

}  // namespace

CTamberView::CTamberView() : CFormView(IDD_TAMBER_FORM) {}

const framework::MessageMap& CTamberView::ThisMessageMap() {
    static const framework::MessageEntry entries[] = {
        framework::OnMessage<&CTamberView::OnCreate>(WM_CREATE),
        framework::OnMessage<&CTamberView::OnTrayNotify>(kMsgTrayNotify),
        framework::OnMessage<&CTamberView::OnTimer>(WM_TIMER),
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
    // The first version of the record: what every Windows release understands.
    m_nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    m_nid.hWnd = m_hWnd;
    m_nid.uID = kTrayIconId;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = kMsgTrayNotify;
    m_nid.hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TRAY_NORMAL));
    std::strcpy(m_nid.szTip, kTrayTip);
    // Without a notification area yet the add fails; the program runs on without the icon.
    const BOOL added = ::Shell_NotifyIconA(NIM_ADD, &m_nid);
    framework::Trace("tray icon %s", added ? "added" : "not added");
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
    m_keybdhook.Start(m_hWnd);
}

LRESULT CTamberView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_uStageStampsMsg && message != 0) {
        return reinterpret_cast<LRESULT>(&framework::StageStamps());
    }
    const KeyIntake intake = TakeKeyEvent(message, g_uKeyCommandMsg, wParam, lParam);
    if (intake.restartIconTimer) {
        framework::StampStage(framework::Stage::kViewTook);
    }
    // The key acts first. The icon's switch is a call into the process that
    // keeps the notification area, which the user would not see sooner anyway.
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
    m_nid.hIcon =
        ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(active ? IDI_TRAY_ACTIVE : IDI_TRAY_NORMAL));
    m_nid.uFlags |= NIF_ICON;
    ::Shell_NotifyIconA(NIM_MODIFY, &m_nid);
    framework::StampStage(framework::Stage::kIconSwitched);
    framework::Trace("icon %s", active ? "active" : "normal");
}

void CTamberView::OnQuit() {
    // Quit may come while one of our menus is shown; the menu's own message
    // loop would keep the program running until the user dismissed the menu.
    if (m_bMenuOpen) {
        ::EndMenu();
    }
    NOTIFYICONDATAA nid{};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = m_hWnd;
    nid.uID = kTrayIconId;
    ::Shell_NotifyIconA(NIM_DELETE, &nid);
    ReleaseShiftLatch();
    framework::Trace("quit");
    ::PostQuitMessage(0);
}
