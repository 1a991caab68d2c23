// Top-level windows of other programs' classes, made by the test program on
// their own threads, that record the input and commands they receive.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

struct ReceivedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class TestWindow {
public:
    // A normal, shown window of class `className` (registered for it).
    explicit TestWindow(const std::string& className, const std::string& title = "");
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return m_hwnd; }
    // Makes the window the foreground window with the keyboard focus; false
    // when it did not become one.
    bool BringToFront() const;
    // Keys (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP), WM_MOUSEWHEEL and
    // WM_COMMAND, in the order received.
    std::vector<ReceivedMessage> Messages() const;
    // Waits until `count` messages have arrived; the messages then.
    std::vector<ReceivedMessage> WaitForMessages(size_t count, unsigned timeoutMs = 3000) const;
    void ClearMessages();

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Record(UINT message, WPARAM wParam, LPARAM lParam);
    void Loop(const std::string& className, const std::string& title);

    HWND m_hwnd = nullptr;
    mutable std::mutex m_mutex;
    std::vector<ReceivedMessage> m_messages;
    std::thread m_thread;
};

// A key message as the tests describe it: "down 0x12 scan 0x38" (WM_SYSKEY*
// as "sysdown" and "sysup"), "wheel 96", "command 3048".
std::string Describe(const ReceivedMessage& message);
std::vector<std::string> Describe(const std::vector<ReceivedMessage>& messages);

// A key's event as the window should receive it, with the scan code the
// keyboard layout gives it.
std::string KeyMessage(const char* kind, UINT vk);

}  // namespace e2e
