#include "tests/e2e/notification_area_stand_in.h"

#include "tests/e2e/e2e.h"

#include <shellapi.h>

namespace e2e {

namespace {

// The head of the record the shell library sends: the icon's window and id.
struct CallHead {
    LONG window;
    UINT id;
};

}  // namespace

NotificationAreaStandIn::NotificationAreaStandIn(bool accepting) : m_accepting(accepting) {
    m_thread = std::thread([this] { Loop(); });
    E2E_CHECK(WaitFor([this] { return m_ready.load(); }, 5000), "the stand-in notification area came up");
    E2E_CHECK(::FindWindowExA(nullptr, nullptr, "Shell_TrayWnd", nullptr) == m_hwnd,
              "the stand-in is the notification area the shell library finds");
}

NotificationAreaStandIn::~NotificationAreaStandIn() {
    ::PostMessageA(m_hwnd, WM_CLOSE, 0, 0);
    m_thread.join();
}

int NotificationAreaStandIn::IconsOf(HWND window) const {
    const std::lock_guard<std::mutex> hold(m_lock);
    int count = 0;
    for (const auto& icon : m_icons) {
        count += icon.first == window ? 1 : 0;
    }
    return count;
}

LRESULT NotificationAreaStandIn::OnCall(const COPYDATASTRUCT& call) {
    if (call.cbData < sizeof(CallHead)) {
        return FALSE;
    }
    const auto* head = static_cast<const CallHead*>(call.lpData);
    const std::pair<HWND, UINT> icon{reinterpret_cast<HWND>(static_cast<LONG_PTR>(head->window)), head->id};
    if (call.dwData == NIM_ADD) {
        ++m_adds;
    }
    if (!m_accepting) {
        return FALSE;
    }
    const std::lock_guard<std::mutex> hold(m_lock);
    switch (call.dwData) {
        case NIM_ADD:
            return m_icons.insert(icon).second;
        case NIM_MODIFY:
            return m_icons.count(icon) != 0;
        case NIM_DELETE:
            return m_icons.erase(icon) != 0;
        default:
            return FALSE;
    }
}

LRESULT CALLBACK NotificationAreaStandIn::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<NotificationAreaStandIn*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_COPYDATA && self != nullptr) {
        return self->OnCall(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    }
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

void NotificationAreaStandIn::Loop() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &Procedure;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "Shell_TrayWnd";
    ::RegisterClassA(&wc);
    // Made last and topmost, it stands above Wine's own in the Z order.
    m_hwnd = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, wc.hInstance, nullptr);
    ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowPos(m_hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_ready = true;
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageA(&msg);
    }
    ::UnregisterClassA(wc.lpszClassName, wc.hInstance);
}

}  // namespace e2e
