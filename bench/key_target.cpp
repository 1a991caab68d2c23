#include "bench/key_target.h"

#include "tests/e2e/e2e.h"

namespace bench {

namespace {

constexpr char kClassName[] = "KeyvaneBenchTarget";

}  // namespace

KeyTarget::KeyTarget() {
    m_thread = std::thread([this] { Loop(); });
    E2E_CHECK(e2e::WaitFor([this] { return m_window.load() != nullptr; }, 5000), "the target window came up");
}

KeyTarget::~KeyTarget() {
    ::PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
    m_thread.join();
}

bool KeyTarget::Activate() const {
    ::SetForegroundWindow(m_window);
    return e2e::WaitFor([this] { return ::GetForegroundWindow() == m_window.load(); }, 2000);
}

LRESULT CALLBACK KeyTarget::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message == WM_KEYDOWN || message == WM_KEYUP) && wParam == VK_CONTROL) {
        auto* target = reinterpret_cast<KeyTarget*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        if (message == WM_KEYDOWN) {
            target->m_ctrlDownMs = e2e::NowMs();
        } else {
            ++target->m_ctrlUps;
        }
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

void KeyTarget::Loop() {
    m_threadId = ::GetCurrentThreadId();
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    ::RegisterClassA(&windowClass);
    const HWND window = ::CreateWindowExA(0, kClassName, "Target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 150, 150, 300,
                                          120, nullptr, nullptr, windowClass.hInstance, nullptr);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_window = window;
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageA(&msg);
    }
    ::DestroyWindow(window);
}

}  // namespace bench
