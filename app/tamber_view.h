// The form view: the program's working window. It owns the tray icon, the hook
// library's object and the key log poller, takes the key events of both roads
// and runs the key command dispatcher on the user-interface thread.
#pragma once

#include "framework/form_view.h"
#include "hookwell/keybdhook.h"
#include "keylog/log_poller.h"

#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>

#include <functional>

class CKeyCommandDispatcher;

// The view's timers.
enum ViewTimer : UINT {
    kTimerVolumeDisplay = 1,
    kTimerClipboardRestore = 2,
    kTimerTrayIcon = 3,  // brings the normal icon back 100 ms after the last key event
    kTimerUserMenu = 4,
};

class CTamberView : public framework::CFormView {
public:
    CTamberView();

    void OnInitialUpdate() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Performs the key command in the low byte of `code`.
    void DispatchKeyCommand(UINT code);
    // Lets go of a Shift the dispatcher holds down; done before the program ends,
    // so that the user's Shift key does not stay held system-wide.
    void ReleaseShiftLatch();

    // On-screen pictures: replace any popup by the named key picture strip;
    // show the volume level (0-25) 100 ms after the last request.
    void ShowKeyPicture(const char* name, int frameHeight);
    void RequestVolumeDisplay(int level);

    // The speakers' volume and mute of the first mixer; TRUE on success.
    BOOL OpenMixer();
    BOOL FindVolumeControl();
    BOOL FindMuteControl();
    BOOL GetVolume(DWORD* volume);
    BOOL GetMute(DWORD* mute);
    BOOL SetMute(DWORD mute);

    KV_DECLARE_MESSAGE_MAP()

private:
    int OnCreate(LPCREATESTRUCTA cs);
    void OnTimer(UINT id);
    void OnQuit();
    void OnAbout();
    void SetTrayIcon(BOOL active);
    // Runs `action` on a dispatcher that works on the view's own state.
    void RunDispatcher(const std::function<void(CKeyCommandDispatcher&)>& action);

    NOTIFYICONDATAA m_nid{};
    CKeybdhook m_keybdhook;
    BOOL m_bIconActive = FALSE;
    DWORD m_dwVolume = 0;
    CLogPoller m_logPoller;
    bool m_bEjectOpens = true;
    BOOL m_bShiftLatched = FALSE;
    // Mixer state; with no mixer the handle stays null. Volume starts at 0, sound on.
    HMIXER m_hMixer = nullptr;
    DWORD m_dwVolumeControlID = 0;
    DWORD m_dwMuteControlID = 0;
    DWORD m_bMute = 0;
    HWND m_hWndPrevForeground = nullptr;
};
