#include "hookwell/keyboard_hook.h"

#include "framework/diagnostics.h"
#include "framework/stage_stamps.h"
#include "hookwell/user_modifiers.h"

#include <atomic>

namespace {

// The hook procedure is called on the installing thread only.
thread_local CKeyboardHook* t_hook = nullptr;
// Read by the user-interface thread: whether a hook is in place to take the volume keys.
std::atomic<bool> g_bHookInPlace{false};

}  // namespace

CKeyboardHook::CKeyboardHook(CKeyRoads& roads) : m_roads(roads) {
    t_hook = this;
    Install("installed");
}

CKeyboardHook::~CKeyboardHook() {
    Remove();
    t_hook = nullptr;
}

void CKeyboardHook::Remove() {
    if (m_hHook != nullptr) {
        ::UnhookWindowsHookEx(m_hHook);
        m_hHook = nullptr;
        g_bHookInPlace = false;
    }
}

bool KeyboardHookInPlace() {
    return g_bHookInPlace;
}

void CKeyboardHook::Watch() {
    const bool absent = m_hHook == nullptr;
    m_watchdog.OnKeysMissedByHook(m_roads.TakeReportsMissedByHook(::GetTickCount()));
    if (m_watchdog.TakeReinstall() || absent) {
        Install("installed afresh");
    }
}

bool CKeyboardHook::Renew() {
    return Install(nullptr);
}

bool CKeyboardHook::Install(const char* how) {
    const HHOOK hook = ::SetWindowsHookExA(WH_KEYBOARD_LL, &Procedure, ::GetModuleHandleA(nullptr), 0);
    if (hook == nullptr) {
        // The watchdog tries again every tick; one line tells it.
        if (!m_bFailing && how != nullptr) {
            framework::Trace("keyboard hook not installed: error %lu", ::GetLastError());
        }
        m_bFailing = true;
        return false;
    }
    m_bFailing = false;
    if (m_hHook != nullptr) {
        // Fails harmlessly when Windows has removed it already.
        ::UnhookWindowsHookEx(m_hHook);
    }
    m_hHook = hook;
    g_bHookInPlace = true;
    // A release that came while the hook was gone was never seen.
    m_roads.ForgetHeldKeys();
    if (how != nullptr) {
        framework::Trace("keyboard hook %s", how);
    }
    return true;
}

LRESULT CALLBACK CKeyboardHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
    framework::StampStage(framework::Stage::kHookSaw);
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    // Our own chords are no key of the keyboard: a stored chord of multimedia
    // keys (MediaPlayPause on the play key) would otherwise come back as a key
    // and press itself again without end. And our own sending thread waits
    // until this hook has let each go.
    if (code == HC_ACTION && (event->flags & LLKHF_INJECTED) != 0 && event->dwExtraInfo == kOwnKeystrokeMark) {
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    if (code == HC_ACTION) {
        UserModifiers().OnKey(event->vkCode, (event->flags & LLKHF_UP) == 0);
    }
    if (code == HC_ACTION && t_hook != nullptr) {
        t_hook->m_watchdog.OnHookCall(event->time, ::GetTickCount());
        // A key taken goes no further: Windows shows no display of its own for it.
        if (t_hook->m_roads.OnVirtualKey(event->vkCode, (event->flags & LLKHF_UP) == 0, event->time)) {
            return 1;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
