// One run of keyvane.exe under test: started from the test program's folder
// with the Windows release Wine should report, its windows found, its
// diagnostics lines read, and ended when the case is done.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The tray icon's callback message to the view and the icon's id: what the
// notification area sends when the icon is clicked.
constexpr UINT kTrayNotify = WM_USER + 100;
constexpr UINT kTrayIcon = 128;

// Starts a program (in `folder`, or in this one); a failure to start says why.
PROCESS_INFORMATION StartProgram(std::string commandLine, const char* folder = nullptr, DWORD flags = 0);

// Starts a program (in `folder`, or in this one) and waits for it; its exit
// code. A program that does not end in time is ended, and the wait fails.
DWORD RunAndWait(std::string commandLine, unsigned timeoutMs = 60000, const char* folder = nullptr);

// The folder of the test program (keyvane.exe is built beside it), with a backslash.
std::string TestDirectory();

// Makes Wine report `version` ("win98", "winxp", "win10", ...) to `exeName`.
void SetWindowsVersion(const char* exeName, const char* version);

class KeyvaneProcess {
public:
    // `program` is a build of keyvane.exe in the test program's folder, or
    // the full path of a copy;
    // `suspended` leaves its first thread waiting for Resume.
    explicit KeyvaneProcess(const char* windowsVersion = "winxp", const char* program = "keyvane.exe",
                            bool suspended = false);
    ~KeyvaneProcess();
    KeyvaneProcess(const KeyvaneProcess&) = delete;
    KeyvaneProcess& operator=(const KeyvaneProcess&) = delete;

    // Waits until the frame is shown and the view exists; false on timeout.
    bool WaitReady(unsigned timeoutMs = 15000);
    // Waits until the start-up picture, which goes by itself, has gone; false on timeout.
    bool WaitStartupPictureGone(unsigned timeoutMs = 4000) const;
    // Waits for the process to end; its exit code goes to `exitCode`.
    bool WaitExit(unsigned timeoutMs, DWORD* exitCode = nullptr);
    bool IsRunning() const;
    void Resume() const;

    DWORD Pid() const { return m_process.dwProcessId; }
    HWND Frame() const { return m_frame; }
    HWND View() const { return m_view; }

    // Sends to the view and returns once it has been handled.
    LRESULT SendToView(UINT message, WPARAM wParam, LPARAM lParam) const;

    // Index of the next diagnostics line; lines of this process from an index on.
    size_t Mark() const;
    std::vector<std::string> LinesSince(size_t from) const;
    // Waits for a line of this process containing `text`; its index or -1.
    long WaitForLine(size_t from, const std::string& text, unsigned timeoutMs = 5000) const;
    // Posts the view a message that only resets its icon and waits for its line,
    // so that every line caused by earlier sends has arrived; returns the index.
    long Sync() const;

private:
    PROCESS_INFORMATION m_process{};
    size_t m_firstLine = 0;
    HWND m_frame = nullptr;
    HWND m_view = nullptr;
};

// The keyvane.exe that cases share, up and past its start-up picture; started
// afresh when another release is asked for or it has ended.
KeyvaneProcess& SharedKeyvane(const char* windowsVersion = "winxp");

}  // namespace e2e
