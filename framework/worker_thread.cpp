#include "framework/worker_thread.h"

#include <windows.h>

#include <process.h>

namespace framework {

bool BeginWorkerThread(WorkerProc proc, void* param, unsigned* threadId) {
    // _beginthreadex sets up the C runtime for the new thread.
    const uintptr_t handle = ::_beginthreadex(nullptr, 0, proc, param, 0, threadId);
    if (handle == 0) {
        return false;
    }
    ::CloseHandle(reinterpret_cast<HANDLE>(handle));
    return true;
}

}  // namespace framework
