// The user menu's commands: type a stored snippet into the program that was
// in front, open a personal shell folder, launch a stored shortcut. Each reads
// its value afresh, so what the Keyboard Properties dialog saved is what runs.
#include "app/tamber_view.h"
#include "dispatch/key_chord.h"
#include "dispatch/text_encoding_win32.h"
#include "dispatch/win32_desktop.h"
#include "framework/diagnostics.h"
#include "settings/settings_store.h"
#include "settings/launch_shortcut_win32.h"
#include "settings/user_menu_values.h"

namespace {

constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr UINT kClipboardRestoreMs = 500;

// The foreground moves to another program's window a moment after it is
// asked to, and that program's thread makes it active later still; keys typed
// before then would go to whichever window was in front. Under Wine the X
// focus follows, and that thread then lets go of every key X does not hold,
// which a key we press is: a paste cut in two would arrive as a "v". It reads
// that news while it waits for messages, so it is also made to answer twice.
void WaitUntilInFront(HWND window) {
    constexpr DWORD kLongestWaitMs = 500;
    const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
    const auto active = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return ::GetForegroundWindow() == window && ::GetGUIThreadInfo(thread, &info) && info.hwndActive == window;
    };
    const DWORD start = ::GetTickCount();
    while (!active() && ::IsWindow(window) && ::GetTickCount() - start < kLongestWaitMs) {
        ::Sleep(5);
    }
    for (int turn = 0; turn < 2; ++turn) {
        DWORD_PTR result = 0;
        ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kLongestWaitMs, &result);
    }
}

// The modifier keys the user holds. A menu asked for with a hotkey may have
// been chosen from before the hotkey's keys were let go; they are given a
// moment to come up, as a paste read with them held would be another chord.
std::vector<unsigned> HeldModifiers(IDesktop& desktop) {
    constexpr DWORD kLongestWaitMs = 300;
    const DWORD start = ::GetTickCount();
    while (!desktop.Modifiers().down.empty() && ::GetTickCount() - start < kLongestWaitMs) {
        ::Sleep(10);
    }
    return desktop.Modifiers().held;
}

}  // namespace

void CTamberView::OnTypeText(UINT id) {
    const std::optional<std::string> text = ReadSetting(UserMenuValueName(id));
    if (!text) {
        return;
    }
    TypeText(*text, m_hWndPrevForeground);
}

void CTamberView::TypeText(const std::string& text, HWND window) {
    // A second text before the first one's clipboard came back keeps the
    // user's own snapshot; saving again would keep the first text instead.
    if (!m_bClipboardSaved) {
        SaveClipboard();
        m_bClipboardSaved = true;
    }
    m_nClipboardRetries = 0;
    // Pasting a clipboard another program holds would type the user's own contents.
    if (PutTextOnClipboard(WideFromUtf8(text))) {
        PasteInto(window);
    } else {
        framework::Trace("text not typed: another program holds the clipboard");
    }
    ::SetTimer(m_hWnd, kTimerClipboardRestore, kClipboardRestoreMs, nullptr);
}

void CTamberView::PasteInto(HWND window) {
    ::SetForegroundWindow(window);
    ::SetActiveWindow(window);
    WaitUntilInFront(window);
    CWin32Desktop desktop(*this);
    SendKeyChordAlone(desktop, {VK_CONTROL, 'V'}, HeldModifiers(desktop));
}

void CTamberView::OnOpenShellFolder(UINT id) {
    const std::optional<std::string> folder = ReadTextValue(HKEY_CURRENT_USER, kShellFolders, UserMenuValueName(id));
    if (folder && !folder->empty()) {
        ::ShellExecuteW(nullptr, L"open", WideFromUtf8(*folder).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
}

void CTamberView::OnLaunchShortcut(UINT id) {
    const std::optional<std::string> target = ReadSetting(UserMenuValueName(id));
    if (target) {
        LaunchShortcut(*target);
    }
}
