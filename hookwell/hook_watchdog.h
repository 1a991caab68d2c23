// Windows removes a low-level keyboard hook without a word when one call of it
// takes too long (about 300 ms), and a key the hook should have seen is then
// the only sign. The watchdog collects such signs and says when to install the
// hook afresh; doing so when it was not needed costs nothing.
#pragma once

#include <cstdint>

class CHookWatchdog {
public:
    // A call that reaches the hook this much after its key event may already
    // have been given up by Windows, and the hook with it.
    static constexpr std::uint32_t kLateCallMs = 200;

    // Each call of the hook: the time of its key event and the time it arrived.
    void OnHookCall(std::uint32_t eventTimeMs, std::uint32_t nowMs);
    // Keys of the keyboard's own reports that never came through the hook.
    void OnKeysMissedByHook(int count);
    // Asked on every tick: whether to install the hook afresh. The signs
    // then start over.
    bool TakeReinstall();

private:
    bool m_bReinstall = false;
};
