// The hook thread's own window, a message-only window no one sees: Raw Input
// of the keyboard's collections, the user-menu hotkey and the watchdog's tick
// arrive here.
#pragma once

#include "framework/wnd.h"
#include "hookwell/key_roads.h"
#include "hookwell/keyboard_hook.h"

class CHookWindow : public framework::CWnd {
public:
    CHookWindow(CKeyRoads& roads, CKeyboardHook& hook);
    ~CHookWindow() override;

    // Creates the window and asks for its input; false if the window could not be made.
    bool Create();

    KV_DECLARE_MESSAGE_MAP()

private:
    LRESULT OnInput(WPARAM wParam, LPARAM lParam);
    LRESULT OnHotKey(WPARAM id, LPARAM keys);
    void OnTimer(UINT id);

    CKeyRoads& m_roads;
    CKeyboardHook& m_hook;
    bool m_bHotKey = false;
    bool m_bRawInput = false;
};
