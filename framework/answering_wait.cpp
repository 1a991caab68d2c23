#include "framework/answering_wait.h"

namespace framework {

bool WaitAnsweringSentMessages(HANDLE handle, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        const DWORD elapsed = ::GetTickCount() - start;
        const DWORD left = elapsed >= timeoutMs ? 0 : timeoutMs - elapsed;
        const DWORD woke = ::MsgWaitForMultipleObjects(1, &handle, FALSE, left, QS_SENDMESSAGE);
        if (woke != WAIT_OBJECT_0 + 1) {
            return woke == WAIT_OBJECT_0;
        }
        // Peeking delivers the messages sent to this thread.
        MSG message;
        ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace framework
