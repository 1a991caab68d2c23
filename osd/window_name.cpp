#include "osd/window_name.h"

namespace {

// The window whose announcement the probe listens for, and whether it came.
thread_local HWND t_probed = nullptr;
thread_local bool t_heard = false;

void CALLBACK HeardNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (window == t_probed && object == OBJID_WINDOW && child == CHILDID_SELF) {
        t_heard = true;
    }
}

// Sets a text while listening, as a screen reader would, on this thread only.
// Where no hook can be set the system is trusted to announce.
bool SystemAnnouncesNewText(HWND window) {
    const HWINEVENTHOOK hook =
        ::SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &HeardNameChange,
                          ::GetCurrentProcessId(), ::GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
    if (hook == nullptr) {
        return true;
    }
    t_probed = window;
    t_heard = false;
    ::SetWindowTextA(window, " ");
    // The announcement reaches the hook with the next look at the queue.
    MSG message;
    ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    ::UnhookWinEvent(hook);
    ::SetWindowTextA(window, "");
    t_probed = nullptr;
    return t_heard;
}

}  // namespace

void CWindowName::Attach(HWND window) {
    m_hWnd = window;
    m_bSystemAnnounces = SystemAnnouncesNewText(window);
    m_strText.clear();
}

void CWindowName::Set(const std::string& text) {
    if (m_hWnd == nullptr || text == m_strText) {
        return;
    }
    m_strText = text;
    ::SetWindowTextA(m_hWnd, text.c_str());
    if (!m_bSystemAnnounces) {
        ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_hWnd, OBJID_WINDOW, CHILDID_SELF);
    }
}
