#include "hookwell/hook_watchdog.h"

void CHookWatchdog::OnHookCall(std::uint32_t eventTimeMs, std::uint32_t nowMs) {
    // A key event stamped a little after the clock read here is not late.
    if (static_cast<std::int32_t>(nowMs - eventTimeMs) > static_cast<std::int32_t>(kLateCallMs)) {
        m_bReinstall = true;
    }
}

void CHookWatchdog::OnKeysMissedByHook(int count) {
    if (count > 0) {
        m_bReinstall = true;
    }
}

bool CHookWatchdog::TakeReinstall() {
    const bool reinstall = m_bReinstall;
    m_bReinstall = false;
    return reinstall;
}
