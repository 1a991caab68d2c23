#include "driver/registry_key_watch_win32.h"

namespace {

constexpr DWORD kWatchedChanges = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET | REG_NOTIFY_CHANGE_SECURITY;

}  // namespace

CRegistryKeyWatch::CRegistryKeyWatch(HKEY root, const char* path)
    : m_root(root), m_path(path), m_changed(::CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}

CRegistryKeyWatch::~CRegistryKeyWatch() {
    Disarm();
    if (m_changed != nullptr) {
        ::CloseHandle(m_changed);
    }
}

bool CRegistryKeyWatch::MayHaveChanged() {
    if (m_key == nullptr) {
        Arm();
        return true;
    }
    if (::WaitForSingleObject(m_changed, 0) != WAIT_OBJECT_0) {
        return false;
    }
    // A notification lasts for one change; a deleted key cannot be watched again.
    if (::RegNotifyChangeKeyValue(m_key, TRUE, kWatchedChanges, m_changed, TRUE) != ERROR_SUCCESS) {
        Disarm();
    }
    return true;
}

void CRegistryKeyWatch::Arm() {
    if (m_changed == nullptr || ::RegOpenKeyExA(m_root, m_path.c_str(), 0, KEY_NOTIFY, &m_key) != ERROR_SUCCESS) {
        m_key = nullptr;
        return;
    }
    if (::RegNotifyChangeKeyValue(m_key, TRUE, kWatchedChanges, m_changed, TRUE) != ERROR_SUCCESS) {
        Disarm();
    }
}

void CRegistryKeyWatch::Disarm() {
    if (m_key != nullptr) {
        ::RegCloseKey(m_key);
        m_key = nullptr;
    }
}
