// The tray icon, owned by a thread of its own. Every call into the
// notification area (add, switch, remove) is answered by the process that
// keeps it, and takes milliseconds, more while the shell is busy; on the
// user-interface thread each one would hold the next key. The view only
// records what it wants and wakes the thread, which returns at once.
#pragma once

#include "app/tray_icon_plan.h"

#include <windows.h>

#include <memory>

class CTrayIconThread {
public:
    // Starts the thread, which adds the icon for `view` (the tray callback
    // `callbackMessage` goes to that window) with the tip `tip`. Without the
    // thread the program runs on without an icon.
    void Start(HWND view, UINT iconId, UINT callbackMessage, HICON normal, HICON active, const char* tip);
    void Show(bool active);
    // The notification area was made anew and holds no icon of ours.
    void AddAgain();
    // Removes the icon and waits for it to be gone, at most `waitMs`.
    void Remove(DWORD waitMs);

    struct Shared;

private:
    template <typename Change>
    void Update(Change change);

    std::shared_ptr<Shared> m_shared;
};
