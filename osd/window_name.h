// A window's text as a screen reader hears it. Setting a window's text makes
// Windows' default window procedure announce the new name
// (EVENT_OBJECT_NAMECHANGE); Wine's (8) does not. The window finds out which
// kind of system it runs on when it is attached and announces the change
// itself only where the system does not, so that a reader hears it once.
#pragma once

#include <windows.h>

#include <string>

class CWindowName {
public:
    // On the window's thread, before its text is first set.
    void Attach(HWND window);
    // The same text again is no change and announces nothing.
    void Set(const std::string& text);

private:
    HWND m_hWnd = nullptr;
    bool m_bSystemAnnounces = true;
    std::string m_strText;
};
