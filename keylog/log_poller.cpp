#include "keylog/log_poller.h"

#include "app/globals.h"
#include "app/key_intake.h"
#include "driver/keyboard_driver.h"
#include "framework/diagnostics.h"
#include "framework/stage_stamps.h"
#include "framework/worker_thread.h"
#include "keylog/key_log_reader.h"
#include "keylog/key_log_wait.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

namespace {

// At most the first 200 bytes of the key log, read in text mode (a CR LF pair
// reads as one LF). The file is shared every way, so the driver can go on
// writing, replacing or deleting it while it is read. A key log that cannot be
// opened reads as empty.
std::string ReadKeyLogText() {
    const HANDLE handle = ::CreateFileA(kKeyLogPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return {};
    }
    const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_TEXT);
    if (descriptor == -1) {
        ::CloseHandle(handle);
        return {};
    }
    std::FILE* file = ::_fdopen(descriptor, "rt");
    if (file == nullptr) {
        ::_close(descriptor);
        return {};
    }
    char buffer[kKeyLogReadSize] = {};
    const size_t count = std::fread(buffer, 1, sizeof buffer, file);
    std::fclose(file);
    return std::string(buffer, count);
}

// The diagnostics channel shows when the thread takes its place in the ring
// and when it loses it (the key log went missing or stopped making sense).
void TraceSynchronisation(int before, int after) {
    if (before == 0 && after != 0) {
        framework::Trace("key log synchronised at slot %d", after);
    } else if (before != 0 && after == 0) {
        framework::Trace("key log not synchronised");
    }
}

// Runs for the life of the process; the program never waits for it.
unsigned LogPollThread(void*) {
    CKeyLogWait wait;
    int lastSlotHandled = 0;
    for (;;) {
        const KeyLogPass pass = ReadKeyLogPass(ReadKeyLogText(), lastSlotHandled);
        TraceSynchronisation(lastSlotHandled, pass.lastSlotHandled);
        lastSlotHandled = pass.lastSlotHandled;
        // Sent, not posted: each key is dispatched on the user-interface thread
        // while this thread waits, so keys are handled one at a time, in ring order.
        for (const std::uint32_t record : pass.records) {
            framework::StampStage(framework::Stage::kKeyLogPosted);
            ::SendMessageA(g_hViewWnd, kMsgKeyLogRecord, 0, static_cast<LPARAM>(record));
        }
        wait.Wait();
        CheckKeyboardDriver();
    }
}

}  // namespace

bool CLogPoller::Start() {
    return framework::BeginWorkerThread(&LogPollThread, this);
}
