// Where the keyboard's keys meet on the hook thread and go on to the view:
// the virtual keys the hook sees, the reports of the keyboard's own
// collections, and the user-menu requests. Everything reaches the view
// posted, never sent: this thread must not wait for the user-interface
// thread, which can be busy for seconds.
#pragma once

#include "hookwell/once_only_rule.h"

#include <windows.h>

#include <cstddef>

class CKeyRoads {
public:
    // `osKind`, the Windows version class, decides whether the volume keys are taken.
    CKeyRoads(HWND view, int osKind);

    // A key event the hook saw; called from the hook procedure, so it only
    // decides and posts. Whether the event is taken from Windows: the volume
    // keys, where the program sets the level itself.
    bool OnVirtualKey(unsigned vk, bool down, DWORD timeMs) noexcept;
    // One Raw Input block of the keyboard's collections: `count` reports of
    // `size` bytes each in the `available` bytes at `data`. Each report that
    // names a key goes to the view as WM_USER+104 with its report code, as a
    // key log record does; the menu key also asks for the user menu.
    void OnHidReports(const BYTE* data, std::size_t available, DWORD size, DWORD count, DWORD timeMs);
    // The user asked for the user menu: timer 4 fires on the view when the
    // menu is switched on.
    void OnUserMenuRequest();

    // For the watchdog: reports whose keys never came through the hook.
    int TakeReportsMissedByHook(DWORD nowMs);
    void ForgetHeldKeys();

private:
    HWND m_hWndView;
    int m_nOsKind;
    // The registered message "KeyCommand", as the view registers it.
    UINT m_uKeyCommandMsg;
    COnceOnlyRule m_rule;
};
