// Tells whether a file or folder may have come, gone or been renamed anywhere
// under a folder since the last look. Where the folder cannot be watched,
// every look counts as a change.
#pragma once

#include <windows.h>

#include <string>

class CFolderWatch {
public:
    explicit CFolderWatch(std::string folder) : m_folder(std::move(folder)) {}
    ~CFolderWatch();
    CFolderWatch(const CFolderWatch&) = delete;
    CFolderWatch& operator=(const CFolderWatch&) = delete;

    // True on the first call, after a change and whenever the folder cannot
    // be watched. Rearmed before it returns, so a change made while the
    // caller looks shows on the next call.
    bool MayHaveChanged();

private:
    std::string m_folder;
    HANDLE m_hChange = INVALID_HANDLE_VALUE;
    bool m_bArmed = false;
};
