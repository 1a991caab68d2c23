// The hook library's object: it lives with the view and delivers the keys of
// today's Windows (where no filter driver runs) to the view's window. Its
// thread, started once the view's window exists, hooks the keyboard, reads
// the keyboard's own reports and watches for the user-menu requests; it only
// ever posts to the view, so no key waits for the user-interface thread.
#pragma once

#include <windows.h>

class CKeybdhook {
public:
    CKeybdhook() = default;
    CKeybdhook(const CKeybdhook&) = delete;
    CKeybdhook& operator=(const CKeybdhook&) = delete;
    // Ends the thread, which takes the hook, the Raw Input and the hotkey along.
    virtual ~CKeybdhook();

    // Starts the thread for the view's window and returns once the hook is in
    // place; false if the thread could not start. A second call finds it
    // started. `osKind` is the Windows version class, which decides whether
    // the volume keys are taken from Windows.
    bool Start(HWND view, int osKind);
    // After `event` (a literal: sleep, the lock screen), the thread sets the
    // key input up afresh: the hook, Raw Input, the hotkey and the devices.
    void Renew(const char* event);

private:
    HANDLE m_hThread = nullptr;
    DWORD m_dwThreadId = 0;
};
