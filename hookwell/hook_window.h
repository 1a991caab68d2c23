// The hook thread's own window, a message-only window no one sees: Raw Input
// of the keyboard's collections, word of input devices that arrive and go,
// the user-menu hotkey and the watchdog's tick arrive here.
#pragma once

#include "framework/wnd.h"
#include "hookwell/key_roads.h"
#include "hookwell/keyboard_devices.h"
#include "hookwell/keyboard_hook.h"
#include "hookwell/raw_input.h"

// The window's title, by which the end-to-end cases find it.
constexpr char kHookWindowTitle[] = "Keyvane key input";

class CHookWindow : public framework::CWnd {
public:
    CHookWindow(CKeyRoads& roads, CKeyboardHook& hook);
    ~CHookWindow() override;

    // Creates the window and asks for its input; false if the window could not be made.
    bool Create();
    // Sets the key input up afresh after `event` (sleep, the lock screen):
    // the hook, Raw Input, the hotkey and the devices; one line says how it went.
    void Renew(const char* event);

    KV_DECLARE_MESSAGE_MAP()

private:
    LRESULT OnInput(WPARAM wParam, LPARAM lParam);
    LRESULT OnInputDeviceChange(WPARAM change, LPARAM device);
    LRESULT OnHotKey(WPARAM id, LPARAM keys);
    void OnTimer(UINT id);
    void RegisterInput();

    CKeyRoads& m_roads;
    CKeyboardHook& m_hook;
    CKeyboardDevices m_devices{LookUpDevice};
    bool m_bHotKey = false;
    bool m_bRawInput = false;
};
