// Waiting for another thread of the program to finish something, without
// holding up the messages other threads send to this one's windows meanwhile:
// a thread that stops answering sent messages while it waits can keep the
// very thread it waits for from getting there.
#pragma once

#include <windows.h>

#include <functional>

namespace framework {

// Waits for `handle` at most `timeoutMs`, answering sent messages (and only
// those: posted ones stay queued); whether it was signalled.
bool WaitAnsweringSentMessages(HANDLE handle, DWORD timeoutMs);

// The same wait for `done`, which the messages answered meanwhile may bring
// about; whether it holds.
bool WaitAnsweringSentMessages(const std::function<bool()>& done, DWORD timeoutMs);

}  // namespace framework
