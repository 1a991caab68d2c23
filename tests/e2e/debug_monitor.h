// Collects what other processes write with OutputDebugStringA (the system's
// debug-output buffer, the way a debug-output viewer does), with the process
// that wrote each line and when it arrived. One monitor per desktop session.
#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

struct DebugLine {
    DWORD pid;
    std::string text;  // without the trailing newline
    double atMs;
};

class DebugMonitor {
public:
    DebugMonitor();
    ~DebugMonitor();
    DebugMonitor(const DebugMonitor&) = delete;
    DebugMonitor& operator=(const DebugMonitor&) = delete;

    // Lines received so far.
    size_t Count() const;
    std::vector<DebugLine> Lines(size_t from = 0) const;

    // Waits for a line at or after `from` from `pid` (0: any process) that
    // contains `text`; returns its index, or -1 after `timeoutMs`.
    long WaitForLine(size_t from, DWORD pid, const std::string& text, unsigned timeoutMs) const;

private:
    void Collect();

    HANDLE m_bufferReady = nullptr;
    HANDLE m_dataReady = nullptr;
    HANDLE m_mapping = nullptr;
    const char* m_buffer = nullptr;
    HANDLE m_stop = nullptr;
    mutable std::mutex m_mutex;
    std::vector<DebugLine> m_lines;
    std::thread m_thread;
};

// The monitor shared by every case of the run, opened on first use.
DebugMonitor& Monitor();
// Closes it, so that OutputDebugStringA in the session no longer waits for
// anyone to take its line, as on a machine without a debug-output viewer.
// The next Monitor() opens a new one, counting lines from 0: lines of a
// process started before are not read again.
void CloseMonitor();

}  // namespace e2e
