// The window in front that keyvane's chords land in. It has a thread of its
// own, blocked in GetMessage, so each Ctrl is stamped the moment it arrives,
// whatever the benchmark's thread is doing.
#pragma once

#include <windows.h>

#include <atomic>
#include <thread>

namespace bench {

class KeyTarget {
public:
    KeyTarget();
    ~KeyTarget();
    KeyTarget(const KeyTarget&) = delete;
    KeyTarget& operator=(const KeyTarget&) = delete;

    // Brings the window forward; false if it did not become the foreground window.
    bool Activate() const;
    // The number of Ctrl releases so far.
    long CtrlUps() const { return m_ctrlUps; }
    // When the last Ctrl press arrived (e2e::NowMs).
    double LastCtrlDownMs() const { return m_ctrlDownMs; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Loop();

    std::thread m_thread;
    std::atomic<HWND> m_window{nullptr};
    std::atomic<DWORD> m_threadId{0};
    std::atomic<long> m_ctrlUps{0};
    std::atomic<double> m_ctrlDownMs{0};
};

}  // namespace bench
