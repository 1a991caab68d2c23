// A notification area of the test's own, put in front of Wine's: a window of
// the shell's class "Shell_TrayWnd" at the top of the Z order, which the
// shell library finds first and hands every tray icon call to (as
// WM_COPYDATA naming the call). It refuses the calls, as at logon before the
// shell is up, or takes them and keeps the icons as a notification area does.
#pragma once

#include <windows.h>

#include <atomic>
#include <set>
#include <mutex>
#include <thread>
#include <utility>

namespace e2e {

class NotificationAreaStandIn {
public:
    explicit NotificationAreaStandIn(bool accepting);
    ~NotificationAreaStandIn();
    NotificationAreaStandIn(const NotificationAreaStandIn&) = delete;
    NotificationAreaStandIn& operator=(const NotificationAreaStandIn&) = delete;

    void Accept(bool accepting) { m_accepting = accepting; }
    // The icon adds asked for, refused or not, and the icons held.
    int Adds() const { return m_adds; }
    int IconsOf(HWND window) const;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCall(const COPYDATASTRUCT& call);
    void Loop();

    std::atomic<bool> m_accepting;
    std::atomic<int> m_adds{0};
    mutable std::mutex m_lock;
    std::set<std::pair<HWND, UINT>> m_icons;
    HWND m_hwnd = nullptr;
    std::atomic<bool> m_ready{false};
    std::thread m_thread;
};

}  // namespace e2e
