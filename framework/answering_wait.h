// Waiting for another thread of the program to finish something, without
// holding up the messages other threads send to this one's windows meanwhile:
// a thread that stops answering sent messages while it waits can keep the
// very thread it waits for from getting there.
#pragma once

#include <windows.h>

namespace framework {

// Waits for `handle` at most `timeoutMs`, answering sent messages (and only
// those: posted ones stay queued); whether it was signalled.
bool WaitAnsweringSentMessages(HANDLE handle, DWORD timeoutMs);

}  // namespace framework
