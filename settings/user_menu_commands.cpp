// The user menu's commands: type a stored snippet into the program that was
// in front, open a personal shell folder, launch a stored shortcut. Each reads
// its value afresh, so what the Keyboard Properties dialog saved is what runs.
#include "app/tamber_view.h"
#include "registry/reg_access.h"
#include "settings/shortcut_target.h"
#include "settings/user_menu_values.h"

namespace {

constexpr char kSettingsKey[] = "Software\\Corvale";
constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr UINT kClipboardRestoreMs = 500;

// The value's text; false when the key or the value is missing. A text too
// long to read comes back empty.
bool ReadValue(HKEY root, const char* path, const char* name, std::string* text) {
    CRegAccess key(root);
    if (name == nullptr || !key.Open(root, path, false) || !key.ValueExists(name)) {
        return false;
    }
    key.QueryString(name, *text);
    return true;
}

void PressChord(BYTE modifier, BYTE key) {
    const auto modifierScan = static_cast<BYTE>(::MapVirtualKeyA(modifier, 0));
    const auto keyScan = static_cast<BYTE>(::MapVirtualKeyA(key, 0));
    ::keybd_event(modifier, modifierScan, 0, 0);
    ::keybd_event(key, keyScan, 0, 0);
    ::keybd_event(key, keyScan, KEYEVENTF_KEYUP, 0);
    ::keybd_event(modifier, modifierScan, KEYEVENTF_KEYUP, 0);
}

}  // namespace

void CTamberView::OnTypeText(UINT id) {
    std::string text;
    if (!ReadValue(HKEY_LOCAL_MACHINE, kSettingsKey, UserMenuValueName(id), &text)) {
        return;
    }
    SaveClipboard();
    PutTextOnClipboard(text);
    ::SetForegroundWindow(m_hWndPrevForeground);
    ::SetActiveWindow(m_hWndPrevForeground);
    PressChord(VK_CONTROL, 'V');
    ::SetTimer(m_hWnd, kTimerClipboardRestore, kClipboardRestoreMs, nullptr);
}

void CTamberView::OnOpenShellFolder(UINT id) {
    std::string folder;
    if (ReadValue(HKEY_CURRENT_USER, kShellFolders, UserMenuValueName(id), &folder)) {
        ::ShellExecuteA(nullptr, "open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
}

void CTamberView::OnLaunchShortcut(UINT id) {
    std::string target;
    if (ReadValue(HKEY_LOCAL_MACHINE, kSettingsKey, UserMenuValueName(id), &target)) {
        const ShortcutLaunch launch = SplitShortcutTarget(target);
        ::ShellExecuteA(nullptr, "open", launch.file.c_str(), launch.parameters.c_str(), launch.directory.c_str(),
                        SW_SHOWNORMAL);
    }
}
