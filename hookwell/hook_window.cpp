#include "hookwell/hook_window.h"

#include "framework/diagnostics.h"
#include "hookwell/user_modifiers.h"

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
        framework::OnMessage<&CHookWindow::OnInputDeviceChange>(WM_INPUT_DEVICE_CHANGE),
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
    if (!CreateEx(0, RegisterWndClass(0), kHookWindowTitle, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr)) {
        framework::Trace("hook window not created: error %lu", ::GetLastError());
        return false;
    }
    RegisterInput();
    framework::Trace("raw input %s", m_bRawInput ? "registered" : "not registered");
    framework::Trace("user-menu hotkey %s", m_bHotKey ? "registered" : "not registered");
    ::SetTimer(m_hWnd, kWatchdogTimer, kWatchdogPeriodMs, nullptr);
    return true;
}

void CHookWindow::RegisterInput() {
    // Asked again, Windows takes the window's request afresh.
    m_bRawInput = RegisterKeyboardCollections(m_hWnd);
    if (m_bHotKey) {
        ::UnregisterHotKey(m_hWnd, kUserMenuHotKey);
    }
    // Another program may hold the combination already; the menu key still works.
    m_bHotKey = RegisterUserMenuHotKey(m_hWnd);
}

void CHookWindow::Renew(const char* event) {
    // The key-ups of the keys held when the screen locked were never seen.
    UserModifiers().Forget();
    const bool hooked = m_hook.Renew();
    RegisterInput();
    const std::size_t devices = ReadDevices(m_devices);
    framework::Trace("%s: keyboard hook %s, raw input %s, user-menu hotkey %s, %u input devices read", event,
                     hooked ? "installed afresh" : "not installed afresh",
                     m_bRawInput ? "registered" : "not registered", m_bHotKey ? "registered" : "not registered",
                     static_cast<unsigned>(devices));
}

LRESULT CHookWindow::OnInputDeviceChange(WPARAM change, LPARAM device) {
    const auto handle = static_cast<CKeyboardDevices::Handle>(device);
    if (change == GIDC_ARRIVAL) {
        const std::optional<bool> keyboard = m_devices.Arrived(handle);
        framework::Trace("input device 0x%lX arrived: %s", static_cast<unsigned long>(handle),
                         !keyboard ? "unknown to Windows" : *keyboard ? "the keyboard" : "another device");
    } else if (change == GIDC_REMOVAL) {
        const bool known = m_devices.Removed(handle);
        framework::Trace("input device 0x%lX removed%s", static_cast<unsigned long>(handle),
                         known ? "" : ", never known");
    }
    return 0;
}

LRESULT CHookWindow::OnInput(WPARAM, LPARAM lParam) {
    TakeRawInput(reinterpret_cast<HRAWINPUT>(lParam), m_roads, m_devices, static_cast<DWORD>(::GetMessageTime()));
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
