#include "hookwell/hook_window.h"

#include "framework/diagnostics.h"
#include "hookwell/raw_input.h"

namespace {

constexpr UINT_PTR kWatchdogTimer = 1;
constexpr UINT kWatchdogPeriodMs = 1000;

// Ctrl+Alt+Space asks for the user menu: on every keyboard, and left free by
// the common programs.
constexpr int kUserMenuHotKey = 1;
constexpr UINT kUserMenuHotKeyModifiers = MOD_CONTROL | MOD_ALT;
constexpr UINT kUserMenuHotKeyKey = VK_SPACE;

// A held hotkey asks once: MOD_NOREPEAT, where the release knows it (7 and later).
bool RegisterUserMenuHotKey(HWND window) {
    return ::RegisterHotKey(window, kUserMenuHotKey, kUserMenuHotKeyModifiers | MOD_NOREPEAT, kUserMenuHotKeyKey) ||
           ::RegisterHotKey(window, kUserMenuHotKey, kUserMenuHotKeyModifiers, kUserMenuHotKeyKey);
}

}  // namespace

const framework::MessageMap& CHookWindow::ThisMessageMap() {
    static const framework::MessageEntry entries[] = {
        framework::OnMessage<&CHookWindow::OnInput>(WM_INPUT),
        framework::OnMessage<&CHookWindow::OnHotKey>(WM_HOTKEY),
        framework::OnMessage<&CHookWindow::OnTimer>(WM_TIMER),
    };
    static const framework::MessageMap map = framework::MakeMessageMap(&CWnd::ThisMessageMap(), entries);
    return map;
}

CHookWindow::CHookWindow(CKeyRoads& roads, CKeyboardHook& hook) : m_roads(roads), m_hook(hook) {}

CHookWindow::~CHookWindow() {
    if (m_bRawInput) {
        UnregisterKeyboardCollections();
    }
    if (m_bHotKey) {
        ::UnregisterHotKey(m_hWnd, kUserMenuHotKey);
    }
}

bool CHookWindow::Create() {
    if (!CreateEx(0, RegisterWndClass(0), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr)) {
        framework::Trace("hook window not created: error %lu", ::GetLastError());
        return false;
    }
    m_bRawInput = RegisterKeyboardCollections(m_hWnd);
    framework::Trace("raw input %s", m_bRawInput ? "registered" : "not registered");
    // Another program may hold the combination already; the menu key still works.
    m_bHotKey = RegisterUserMenuHotKey(m_hWnd);
    framework::Trace("user-menu hotkey %s", m_bHotKey ? "registered" : "not registered");
    ::SetTimer(m_hWnd, kWatchdogTimer, kWatchdogPeriodMs, nullptr);
    return true;
}

LRESULT CHookWindow::OnInput(WPARAM, LPARAM lParam) {
    TakeRawInput(reinterpret_cast<HRAWINPUT>(lParam), m_roads, static_cast<DWORD>(::GetMessageTime()));
    // The system frees the input's data in the default processing.
    return Default();
}

LRESULT CHookWindow::OnHotKey(WPARAM id, LPARAM) {
    if (id == kUserMenuHotKey) {
        m_roads.OnUserMenuRequest();
    }
    return 0;
}

void CHookWindow::OnTimer(UINT id) {
    if (id == kWatchdogTimer) {
        m_hook.Watch();
    }
}
