// Starts a worker thread at normal priority with the default stack size.
#pragma once

namespace framework {

using WorkerProc = unsigned (*)(void* param);

// The thread runs at once and is never joined: it ends with its function or
// with the process. Returns whether the thread was created; its identifier
// goes to `threadId` where one is given.
bool BeginWorkerThread(WorkerProc proc, void* param, unsigned* threadId = nullptr);

}  // namespace framework
