#include "keylog/key_log_wait.h"

#include "keylog/key_log_reader.h"

namespace {

constexpr DWORD kPassPeriodMs = 200;
// However busy the folder is with other files, passes stay this far apart,
// so changes beside the key log cannot keep the thread spinning.
constexpr DWORD kShortestPauseMs = 10;
// The driver creates, replaces, grows and rewrites the key log.
constexpr DWORD kKeyLogChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE;

// The latency benchmark builds a comparison copy of the program without the
// early wake-up (the build option KEYVANE_KEY_LOG_WAKEUP=OFF).
constexpr bool kEarlyWakeUp = KEYVANE_KEY_LOG_WAKEUP;

}  // namespace

CKeyLogWait::CKeyLogWait()
    : m_hChange(kEarlyWakeUp ? ::FindFirstChangeNotificationA(kKeyLogFolder, FALSE, kKeyLogChanges)
                             : INVALID_HANDLE_VALUE) {}

CKeyLogWait::~CKeyLogWait() {
    if (m_hChange != INVALID_HANDLE_VALUE) {
        ::FindCloseChangeNotification(m_hChange);
    }
}

void CKeyLogWait::Wait() {
    if (m_hChange == INVALID_HANDLE_VALUE) {
        ::Sleep(kPassPeriodMs);
        return;
    }
    // Only a pass that a change woke is held apart from the next: after a
    // quiet tick the thread waits for the next change at once, so a key the
    // driver writes just after a tick is not held back by the pause.
    const DWORD pause = m_bChangeWoke ? kShortestPauseMs : 0;
    ::Sleep(pause);
    m_bChangeWoke = ::WaitForSingleObject(m_hChange, kPassPeriodMs - pause) == WAIT_OBJECT_0;
    // Rearmed before the next read, so no change after that read goes unseen.
    if (m_bChangeWoke && !::FindNextChangeNotification(m_hChange)) {
        // A notification that cannot be rearmed would stay signalled: poll on the tick alone.
        ::FindCloseChangeNotification(m_hChange);
        m_hChange = INVALID_HANDLE_VALUE;
    }
}
