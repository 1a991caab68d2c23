// Tells whether anything under a registry key may have changed since the last
// look: its subkeys, values or access lists, at any depth. Where the key is
// missing or the system cannot watch it (Windows 95, 98 and Me), every look
// counts as a change.
#pragma once

#include <windows.h>

#include <string>

class CRegistryKeyWatch {
public:
    CRegistryKeyWatch(HKEY root, const char* path);
    ~CRegistryKeyWatch();
    CRegistryKeyWatch(const CRegistryKeyWatch&) = delete;
    CRegistryKeyWatch& operator=(const CRegistryKeyWatch&) = delete;

    // True on the first call, after a change and whenever the key cannot be
    // watched. The watch is rearmed before it returns, so a change made while
    // the caller reads the key shows on the next call.
    bool MayHaveChanged();

private:
    void Arm();
    void Disarm();

    HKEY m_root;
    std::string m_path;
    HKEY m_key = nullptr;
    HANDLE m_changed;
};
