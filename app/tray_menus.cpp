// The tray icon's callback, the view's timers, and the user menu that opens
// in front of the program the user works in.
#include "app/globals.h"
#include "app/key_intake.h"
#include "app/tamber_view.h"
#include "dispatch/key_chord.h"
#include "dispatch/win32_desktop.h"
#include "framework/diagnostics.h"
#include "framework/frame_wnd.h"
#include "framework/win_app.h"
#include "res/resource.h"
#include "settings/shortcut_target.h"

#include <cstring>

namespace {

constexpr UINT kPopupAlignment = TPM_RIGHTALIGN | TPM_RIGHTBUTTON;
// While another program holds the clipboard open, putting the user's contents
// back is tried again every 50 ms for 5 s, without holding the keys meanwhile.
constexpr UINT kClipboardRetryMs = 50;
constexpr int kClipboardRetries = 100;
// A busy program reads its paste late: its text stays for up to 1 s more. A
// window in which Ctrl+V means nothing never reads it.
constexpr int kUnreadPasteRetries = 20;

// A loaded menu resource, destroyed with its owner.
class LoadedMenu {
public:
    explicit LoadedMenu(UINT id) : m_menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id))) {}
    ~LoadedMenu() {
        if (m_menu != nullptr) {
            ::DestroyMenu(m_menu);
        }
    }
    LoadedMenu(const LoadedMenu&) = delete;
    LoadedMenu& operator=(const LoadedMenu&) = delete;
    HMENU FirstPopup() const { return m_menu == nullptr ? nullptr : ::GetSubMenu(m_menu, 0); }

private:
    HMENU m_menu;
};

// Marks one of the view's popup menus as open while it is shown.
class OpenMenuMark {
public:
    explicit OpenMenuMark(bool& open) : m_open(open) { m_open = true; }
    ~OpenMenuMark() { m_open = false; }
    OpenMenuMark(const OpenMenuMark&) = delete;
    OpenMenuMark& operator=(const OpenMenuMark&) = delete;

private:
    bool& m_open;
};

// The view is a child window: making it the foreground window brings its
// top-level frame to the front, which is what every release does.
void BringViewForward(HWND view) {
    ::SetForegroundWindow(::GetAncestor(view, GA_ROOT));
}

}  // namespace

LRESULT CTamberView::OnTrayNotify(WPARAM iconId, LPARAM mouseMessage) {
    if (iconId != kTrayIconId) {
        return 0;
    }
    const LoadedMenu menu(IDR_TRAY_MENU);
    const HMENU popup = menu.FirstPopup();
    if (popup == nullptr) {
        return 0;
    }
    switch (mouseMessage) {
        case WM_RBUTTONUP: {
            ::SetMenuDefaultItem(popup, 0, TRUE);
            POINT cursor{};
            ::GetCursorPos(&cursor);
            BringViewForward(m_hWnd);
            framework::Trace("tray menu");
            const OpenMenuMark mark(m_bMenuOpen);
            ::TrackPopupMenu(popup, kPopupAlignment, cursor.x, cursor.y, 0, m_hWnd, nullptr);
            break;
        }
        case WM_LBUTTONDOWN: {
            const HWND main = framework::GetApp()->m_pMainWnd->m_hWnd;
            ::ShowWindow(main, SW_SHOW);
            ::SetForegroundWindow(main);
            break;
        }
        case WM_LBUTTONDBLCLK:
            ::SendMessageA(m_hWnd, WM_COMMAND, ::GetMenuItemID(popup, 0), 0);
            break;
        default:
            break;
    }
    return 0;
}

void CTamberView::OnTimer(UINT id) {
    switch (id) {
        case kTimerVolumeDisplay:
            ShowVolumeDisplay();
            break;
        case kTimerClipboardRestore: {
            ::KillTimer(m_hWnd, kTimerClipboardRestore);
            const bool pasteYetToRead = m_bPasteUnread && m_nClipboardRetries < kUnreadPasteRetries;
            if ((pasteYetToRead || !RestoreClipboard()) && ++m_nClipboardRetries < kClipboardRetries) {
                ::SetTimer(m_hWnd, kTimerClipboardRestore, kClipboardRetryMs, nullptr);
            } else if (m_bClipboardSaved) {
                ForgetClipboard("another program holds it");
            }
            break;
        }
        case kTimerTrayIcon:
            ::KillTimer(m_hWnd, kTimerTrayIcon);
            ::SendMessageA(m_hWnd, kMsgIconNormal, 0, 0);
            break;
        case kTimerUserMenu:
            ::KillTimer(m_hWnd, kTimerUserMenu);
            ShowUserMenu();
            break;
        default:
            break;
    }
    Default();
}

void CTamberView::ShowUserMenu() {
    char title[100] = {};
    const HWND foreground = ::GetForegroundWindow();
    ::GetWindowTextA(foreground, title, sizeof title);
    // Our own window is in front while one of our menus is open, and a second
    // request then chooses the menu's highlighted item. Our window also stays
    // in front after a menu closed; a request then opens the user menu.
    if (m_bMenuOpen && std::strcmp(title, kMainWindowTitle) == 0) {
        CWin32Desktop desktop(*this);
        SendKeyChord(desktop, {VK_RETURN});
        return;
    }
    const LoadedMenu menu(IDR_USER_MENU);
    const HMENU popup = menu.FirstPopup();
    if (popup == nullptr) {
        return;
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    m_hWndPrevForeground = foreground;
    BringViewForward(m_hWnd);
    framework::Trace("user menu");
    const OpenMenuMark mark(m_bMenuOpen);
    ::TrackPopupMenu(popup, kPopupAlignment, cursor.x, cursor.y, 0, m_hWnd, nullptr);
}

void CTamberView::OnUserMenuExit() {
    ::SetForegroundWindow(m_hWndPrevForeground);
    ::SetActiveWindow(m_hWndPrevForeground);
}

void CTamberView::OnHelp() {
    char program[200] = {};
    ::GetModuleFileNameA(nullptr, program, sizeof program);
    const std::string help = GetPathPart(program, kPathDrive | kPathFolder) + "help.chm";
    ::ShellExecuteA(nullptr, "open", help.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
