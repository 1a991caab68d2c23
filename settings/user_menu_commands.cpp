// The user menu's commands: type a stored snippet into the program that was
// in front, open a personal shell folder, launch a stored shortcut. Each reads
// its value afresh, so what the Keyboard Properties dialog saved is what runs.
#include "app/tamber_view.h"
#include "dispatch/key_chord.h"
#include "dispatch/text_encoding_win32.h"
#include "dispatch/win32_desktop.h"
#include "settings/settings_store.h"
#include "settings/launch_shortcut_win32.h"
#include "settings/user_menu_values.h"

namespace {

constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr UINT kClipboardRestoreMs = 500;

// The foreground moves to another program's window a moment after it is
// asked to; keys typed before then would go to whichever window was in front.
void WaitForForeground(HWND window) {
    constexpr DWORD kLongestWaitMs = 500;
    const DWORD start = ::GetTickCount();
    while (::GetForegroundWindow() != window && ::IsWindow(window) && ::GetTickCount() - start < kLongestWaitMs) {
        ::Sleep(5);
    }
}

}  // namespace

void CTamberView::OnTypeText(UINT id) {
    const std::optional<std::string> text = ReadSetting(UserMenuValueName(id));
    if (!text) {
        return;
    }
    SaveClipboard();
    PutTextOnClipboard(*text);
    PasteInto(m_hWndPrevForeground);
}

void CTamberView::PasteInto(HWND window) {
    ::SetForegroundWindow(window);
    ::SetActiveWindow(window);
    WaitForForeground(window);
    CWin32Desktop desktop(*this);
    SendKeyChord(desktop, {VK_CONTROL, 'V'});
    ::SetTimer(m_hWnd, kTimerClipboardRestore, kClipboardRestoreMs, nullptr);
}

void CTamberView::OnOpenShellFolder(UINT id) {
    const std::optional<std::string> folder = ReadTextValue(HKEY_CURRENT_USER, kShellFolders, UserMenuValueName(id));
    if (folder && !folder->empty()) {
        ::ShellExecuteA(nullptr, "open", folder->c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
}

void CTamberView::OnLaunchShortcut(UINT id) {
    const std::optional<std::string> target = ReadSetting(UserMenuValueName(id));
    if (target) {
        LaunchShortcut(Utf8FromAnsi(*target));
    }
}
