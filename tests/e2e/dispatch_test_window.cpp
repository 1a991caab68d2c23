#include "tests/e2e/dispatch_test_window.h"

#include "tests/e2e/e2e.h"

#include <cstdio>
#include <stdexcept>

namespace e2e {

namespace {

constexpr unsigned kWindowReadyMs = 5000;

}  // namespace

TestWindow::TestWindow(const std::string& className, const std::string& title) {
    m_thread = std::thread(&TestWindow::Loop, this, className, title);
    if (!WaitFor([this] { return ::IsWindow(m_hwnd) != FALSE; }, kWindowReadyMs)) {
        throw Failure("the test window of class " + className + " did not come up");
    }
}

TestWindow::~TestWindow() {
    ::PostMessageA(m_hwnd, WM_CLOSE, 0, 0);
    m_thread.join();
}

void TestWindow::Loop(const std::string& className, const std::string& title) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &TestWindow::Procedure;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className.c_str();
    ::RegisterClassA(&wc);
    const HWND hwnd = ::CreateWindowExA(0, className.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                                        100, 600, 400, nullptr, nullptr, wc.hInstance, this);
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_hwnd = hwnd;
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

LRESULT CALLBACK TestWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TestWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_MOUSEWHEEL:
        case WM_COMMAND:
            // Recorded and kept from the default processing, so that Alt does
            // not open the system menu and Alt+F4 does not close the window.
            if (self != nullptr) {
                self->Record(message, wParam, lParam);
            }
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

void TestWindow::Record(UINT message, WPARAM wParam, LPARAM lParam) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_messages.push_back(ReceivedMessage{message, wParam, lParam});
}

bool TestWindow::BringToFront() const {
    return WaitFor(
        [this] {
            if (::GetForegroundWindow() != m_hwnd) {
                ::SetForegroundWindow(m_hwnd);
            }
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            // A minimised window in front has no keyboard focus of its own.
            return ::GetForegroundWindow() == m_hwnd && ::GetGUIThreadInfo(0, &info) &&
                   (info.hwndFocus == m_hwnd || (info.hwndFocus == nullptr && ::IsIconic(m_hwnd)));
        },
        kWindowReadyMs);
}

std::vector<ReceivedMessage> TestWindow::Messages() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_messages;
}

std::vector<ReceivedMessage> TestWindow::WaitForMessages(size_t count, unsigned timeoutMs) const {
    WaitFor([&] { return Messages().size() >= count; }, timeoutMs);
    return Messages();
}

void TestWindow::ClearMessages() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_messages.clear();
}

std::string Describe(const ReceivedMessage& m) {
    char text[64];
    const auto scan = static_cast<unsigned>((m.lParam >> 16) & 0xFF);
    switch (m.message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP: {
            const char* kind = m.message == WM_KEYDOWN     ? "down"
                               : m.message == WM_KEYUP     ? "up"
                               : m.message == WM_SYSKEYDOWN ? "sysdown"
                                                            : "sysup";
            std::snprintf(text, sizeof text, "%s 0x%02X scan 0x%02X", kind, static_cast<unsigned>(m.wParam), scan);
            break;
        }
        case WM_MOUSEWHEEL:
            std::snprintf(text, sizeof text, "wheel %d", static_cast<int>(GET_WHEEL_DELTA_WPARAM(m.wParam)));
            break;
        default:
            std::snprintf(text, sizeof text, "command %u", static_cast<unsigned>(LOWORD(m.wParam)));
            break;
    }
    return text;
}

std::vector<std::string> Describe(const std::vector<ReceivedMessage>& messages) {
    std::vector<std::string> lines;
    for (const ReceivedMessage& m : messages) {
        lines.push_back(Describe(m));
    }
    return lines;
}

std::string KeyMessage(const char* kind, UINT vk) {
    char text[64];
    std::snprintf(text, sizeof text, "%s 0x%02X scan 0x%02X", kind, vk, ::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    return text;
}

}  // namespace e2e
