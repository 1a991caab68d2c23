#include "tests/e2e/test_window.h"

#include "tests/e2e/e2e.h"

namespace e2e {

void PumpMessages(unsigned ms) {
    const double end = NowMs() + ms;
    do {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (NowMs() < end);
}

TestEditWindow::TestEditWindow() {
    // A top-level edit control: whenever it is the active window it has the
    // keyboard focus, however often activation moves to keyvane and back.
    m_frame = ::CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_AUTOHSCROLL, 150, 150, 400, 120,
                                nullptr, nullptr, nullptr, nullptr);
}

TestEditWindow::~TestEditWindow() {
    ::DestroyWindow(m_frame);
}

bool WaitPumping(const std::function<bool()>& condition, unsigned timeoutMs) {
    return WaitFor(
        [&] {
            PumpMessages(5);
            return condition();
        },
        timeoutMs);
}

bool TestEditWindow::Activate() {
    ::SetForegroundWindow(m_frame);
    return WaitPumping([&] { return ::GetForegroundWindow() == m_frame; }, 2000);
}

std::string TestEditWindow::Text() const {
    char text[512] = {};
    ::GetWindowTextA(m_frame, text, sizeof text);
    return text;
}

}  // namespace e2e
