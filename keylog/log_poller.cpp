#include "keylog/log_poller.h"

#include "framework/worker_thread.h"

#include <windows.h>

namespace {

constexpr DWORD kPollPeriodMs = 200;

// Runs for the life of the process; the program never waits for it.
unsigned LogPollThread(void*) {
    for (;;) {
        ::Sleep(kPollPeriodMs);
    }
}

}  // namespace

bool CLogPoller::Start() {
    return framework::BeginWorkerThread(&LogPollThread, this);
}
