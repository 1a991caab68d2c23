// A window of the test program in front of the desktop, an edit control
// that has the keyboard focus: where keyvane's typing lands.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace e2e {

class TestEditWindow {
public:
    TestEditWindow();
    ~TestEditWindow();
    TestEditWindow(const TestEditWindow&) = delete;
    TestEditWindow& operator=(const TestEditWindow&) = delete;

    HWND Frame() const { return m_frame; }
    // Brings the window forward; false if it did not become the foreground window.
    bool Activate();
    // UTF-8, read with the wide functions.
    std::string Text() const;

private:
    HWND m_frame = nullptr;
};

// The same in a program of its own (e2e_edit_program.exe beside the test
// program, a Unicode window as today's programs are), for typing that must
// reach another process; ended with the object.
class OtherProgramEditWindow {
public:
    OtherProgramEditWindow();
    ~OtherProgramEditWindow();
    OtherProgramEditWindow(const OtherProgramEditWindow&) = delete;
    OtherProgramEditWindow& operator=(const OtherProgramEditWindow&) = delete;

    HWND Frame() const { return m_frame; }
    // Brings the window forward and waits until its program has taken the
    // keyboard focus; false if it did not.
    bool Activate();
    // UTF-8, through the wide messages.
    std::string Text() const;
    void SetText(const std::string& text) const;

private:
    PROCESS_INFORMATION m_process{};
    HWND m_frame = nullptr;
};

// Handles this thread's pending messages for about `ms` milliseconds.
void PumpMessages(unsigned ms);

// WaitFor that keeps this thread's windows answering (typed keys, activation).
bool WaitPumping(const std::function<bool()>& condition, unsigned timeoutMs);

}  // namespace e2e
