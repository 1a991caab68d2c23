#include "hookwell/keybdhook.h"

#include "framework/answering_wait.h"
#include "framework/diagnostics.h"
#include "hookwell/hook_window.h"
#include "hookwell/key_roads.h"
#include "hookwell/keyboard_hook.h"

#include <process.h>

#include <exception>

namespace {

// The object's end waits this long for the thread to go.
constexpr DWORD kThreadEndMs = 5000;
// To the thread: set the key input up afresh; lParam names the event.
constexpr UINT kMsgRenew = WM_APP + 1;

struct ThreadStart {
    HWND view;
    int osKind;
    HANDLE ready;
};

// Everything the thread uses lives on its own stack, so that it can outlive
// the object, should the object's end stop waiting for it. Nothing here
// waits for another thread.
void RunHookThread(const ThreadStart& start) {
    // The thread's message queue exists from here on; WM_QUIT ends it.
    MSG msg;
    ::PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    CKeyRoads roads(start.view, start.osKind);
    CKeyboardHook hook(roads);
    CHookWindow window(roads, hook);
    window.Create();
    ::SetEvent(start.ready);
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == nullptr && msg.message == kMsgRenew) {
            window.Renew(reinterpret_cast<const char*>(msg.lParam));
        }
        ::DispatchMessageA(&msg);
    }
    hook.Remove();
}

unsigned __stdcall HookThread(void* param) {
    const ThreadStart start = *static_cast<const ThreadStart*>(param);
    try {
        RunHookThread(start);
    } catch (const std::exception& e) {
        // The keys still come by the key log; the program runs on.
        framework::Trace("hook thread failed: %s", e.what());
    }
    return 0;
}

}  // namespace

CKeybdhook::~CKeybdhook() {
    if (m_hThread == nullptr) {
        return;
    }
    ::PostThreadMessageA(m_dwThreadId, WM_QUIT, 0, 0);
    framework::WaitAnsweringSentMessages(m_hThread, kThreadEndMs);
    ::CloseHandle(m_hThread);
}

void CKeybdhook::Renew(const char* event) {
    if (m_hThread != nullptr) {
        ::PostThreadMessageA(m_dwThreadId, kMsgRenew, 0, reinterpret_cast<LPARAM>(event));
    }
}

bool CKeybdhook::Start(HWND view, int osKind) {
    if (m_hThread != nullptr) {
        return true;
    }
    ThreadStart start{view, osKind, ::CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    if (start.ready == nullptr) {
        return false;
    }
    // Not a framework worker: this thread is ended and waited for.
    unsigned threadId = 0;
    m_hThread = reinterpret_cast<HANDLE>(::_beginthreadex(nullptr, 0, &HookThread, &start, 0, &threadId));
    m_dwThreadId = threadId;
    // The thread's start waits for no other thread, so this wait ends: the
    // thread is ready, or it has ended. It also keeps the two threads from
    // making windows at the same time, as the framework registers its window
    // classes without a lock.
    const HANDLE waitFor[] = {start.ready, m_hThread};
    const bool ready =
        m_hThread != nullptr && ::WaitForMultipleObjects(2, waitFor, FALSE, INFINITE) == WAIT_OBJECT_0;
    ::CloseHandle(start.ready);
    framework::Trace("hook thread %s", ready ? "started" : "not started");
    return ready;
}
