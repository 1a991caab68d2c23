#include "driver/folder_watch_win32.h"

namespace {

// The installer being put in place, or taken away, with its folder.
constexpr DWORD kWatchedChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;

}  // namespace

CFolderWatch::~CFolderWatch() {
    if (m_hChange != INVALID_HANDLE_VALUE) {
        ::FindCloseChangeNotification(m_hChange);
    }
}

bool CFolderWatch::MayHaveChanged() {
    if (!m_bArmed) {
        m_bArmed = true;
        m_hChange = ::FindFirstChangeNotificationA(m_folder.c_str(), TRUE, kWatchedChanges);
        return true;
    }
    if (m_hChange == INVALID_HANDLE_VALUE) {
        return true;
    }
    if (::WaitForSingleObject(m_hChange, 0) != WAIT_OBJECT_0) {
        return false;
    }
    // A notification that cannot be rearmed would stay signalled: look every time.
    if (!::FindNextChangeNotification(m_hChange)) {
        ::FindCloseChangeNotification(m_hChange);
        m_hChange = INVALID_HANDLE_VALUE;
    }
    return true;
}
