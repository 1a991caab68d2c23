#include "framework/answering_wait.h"

namespace framework {

namespace {

// Waits on `count` handles (none or one) until one is signalled, `done`
// holds, or the time is up.
bool Wait(DWORD count, const HANDLE* handles, const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (!done()) {
        const DWORD elapsed = ::GetTickCount() - start;
        const DWORD left = elapsed >= timeoutMs ? 0 : timeoutMs - elapsed;
        const DWORD woke = ::MsgWaitForMultipleObjects(count, handles, FALSE, left, QS_SENDMESSAGE);
        if (woke != WAIT_OBJECT_0 + count) {
            return count != 0 && woke == WAIT_OBJECT_0;
        }
        // Peeking delivers the messages sent to this thread.
        MSG message;
        ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    return true;
}

}  // namespace

bool WaitAnsweringSentMessages(HANDLE handle, DWORD timeoutMs) {
    return Wait(1, &handle, [] { return false; }, timeoutMs);
}

bool WaitAnsweringSentMessages(const std::function<bool()>& done, DWORD timeoutMs) {
    return Wait(0, nullptr, done, timeoutMs);
}

}  // namespace framework
