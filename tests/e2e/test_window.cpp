#include "tests/e2e/test_window.h"

#include "dispatch/text_encoding_win32.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"

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
    wchar_t text[512] = {};
    ::GetWindowTextW(m_frame, text, 512);
    return Utf8FromWide(text);
}

OtherProgramEditWindow::OtherProgramEditWindow() {
    m_process = StartProgram("\"" + TestDirectory() + "e2e_edit_program.exe\"");
    ::WaitForInputIdle(m_process.hProcess, 5000);
    WaitFor(
        [&] {
            ::EnumWindows(
                [](HWND hwnd, LPARAM param) -> BOOL {
                    auto* self = reinterpret_cast<OtherProgramEditWindow*>(param);
                    DWORD pid = 0;
                    ::GetWindowThreadProcessId(hwnd, &pid);
                    if (pid == self->m_process.dwProcessId && ::IsWindowVisible(hwnd)) {
                        self->m_frame = hwnd;
                    }
                    return self->m_frame == nullptr ? TRUE : FALSE;
                },
                reinterpret_cast<LPARAM>(this));
            return m_frame != nullptr;
        },
        5000);
}

OtherProgramEditWindow::~OtherProgramEditWindow() {
    if (m_process.hProcess != nullptr) {
        ::TerminateProcess(m_process.hProcess, 0);
        ::WaitForSingleObject(m_process.hProcess, 5000);
        ::CloseHandle(m_process.hThread);
        ::CloseHandle(m_process.hProcess);
    }
}

bool OtherProgramEditWindow::Activate() {
    // The foreground changes at once, but the program's own thread takes the
    // focus later, and Wine then moves the X focus to it. Its thread hears of
    // that from the X server in the next turns of its message loop and lets go
    // of every key Wine counts as down that X does not: the keys typed here
    // with SendInput, so a hotkey typed in between would lose its Ctrl. Each
    // message sent is answered from that loop; the second answer comes after
    // a wait for messages that had the X news in hand.
    ::SetForegroundWindow(m_frame);
    const DWORD thread = ::GetWindowThreadProcessId(m_frame, nullptr);
    const auto focused = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return ::GetForegroundWindow() == m_frame && ::GetGUIThreadInfo(thread, &info) && info.hwndFocus == m_frame;
    };
    const auto answers = [&] {
        DWORD_PTR result = 0;
        return ::SendMessageTimeoutA(m_frame, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
    };
    return m_frame != nullptr && WaitPumping(focused, 2000) && answers() && answers();
}

std::string OtherProgramEditWindow::Text() const {
    // Sent, so that the control itself answers across the process boundary.
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(m_frame, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &copied);
    return Utf8FromWide(text);
}

void OtherProgramEditWindow::SetText(const std::string& text) const {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(m_frame, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(WideFromUtf8(text).c_str()),
                          SMTO_ABORTIFHUNG, 2000, &result);
}

}  // namespace e2e
