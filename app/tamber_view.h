// The form view: the program's working window. It owns the tray icon, the hook
// library's object and the key log poller, takes the key events of both roads
// and runs the key command dispatcher on the user-interface thread.
#pragma once

#include "app/tray_icon_thread.h"
#include "audio/endpoint_volume.h"
#include "dispatch/key_actions_win32.h"
#include "framework/form_view.h"
#include "hookwell/keybdhook.h"
#include "keylog/log_poller.h"
#include "osd/picture_thread.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <mmsystem.h>
#include <shellapi.h>

#include <functional>

class CKeyCommandDispatcher;
class CKeysDlg;

// The view's timers.
enum ViewTimer : UINT {
    kTimerVolumeDisplay = 1,
    kTimerClipboardRestore = 2,
    kTimerTrayIcon = 3,  // brings the normal icon back 100 ms after the last key event
    kTimerUserMenu = 4,
};

// A mixer control identifier whose lookup has not succeeded.
constexpr DWORD kNoMixerControl = 0xFFFFFFFF;

class CTamberView : public framework::CFormView {
public:
    CTamberView();

    // The tray icon's identifier, the same as the frame's resources.
    static constexpr UINT kTrayIconId = 128;

    void OnInitialUpdate() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Performs the key command in the low byte of `code`.
    void DispatchKeyCommand(UINT code);
    // Lets go of a Shift the dispatcher holds down; done before the program ends,
    // so that the user's Shift key does not stay held system-wide.
    void ReleaseShiftLatch();
    // Another program, Windows' own mixer or a headset changed the default
    // device's level or mute (Vista and later): the strip or the mute picture
    // shows it. A new default device is the one heard from then on.
    LRESULT OnVolumeChangedElsewhere(WPARAM muted, LPARAM volume);
    LRESULT OnDefaultDeviceChanged(WPARAM, LPARAM);
    bool IsShiftLatched() const { return m_bShiftLatched != FALSE; }

    // On-screen pictures: replace any popup by the named key picture strip;
    // show the volume (0..65535) as its frame of the level strip 100 ms after
    // the last request, the popup saying it as a percentage.
    void ShowKeyPicture(const char* name, int frameHeight);
    void RequestVolumeDisplay(std::uint32_t volume);

    // The speakers' volume and mute of the first mixer; TRUE on success.
    BOOL OpenMixer();
    BOOL FindVolumeControl();
    BOOL FindMuteControl();
    BOOL GetVolume(DWORD* volume);
    BOOL GetMute(DWORD* mute);
    BOOL SetMute(DWORD mute);
    // Vista and later: the default playback device's level, 0..65535.
    BOOL SetVolume(DWORD volume);

    KV_DECLARE_MESSAGE_MAP()

private:
    int OnCreate(LPCREATESTRUCTA cs);
    void OnQuit();
    void OnAbout();
    void OnKeys();

    // Tray icon, timers and the user menu.
    LRESULT OnTrayNotify(WPARAM iconId, LPARAM mouseMessage);
    void OnTimer(UINT id);
    void ShowUserMenu();
    void OnUserMenuExit();
    void OnHelp();
    // Sleep and resume, lock and unlock, a session switched away and back.
    void OnDesktopEvent(UINT message, WPARAM code);

    // User-menu commands; the command identifier selects the setting or folder.
    void OnTypeText(UINT id);
    void OnOpenShellFolder(UINT id);
    void OnLaunchShortcut(UINT id);
    // Types `text` (UTF-8) into `window` through the clipboard, which comes back later.
    void TypeText(const std::string& text, HWND window);
    void SaveClipboard();
    // False when another program held the clipboard open; the snapshot is kept.
    bool RestoreClipboard();
    // Lets the snapshot go without putting it back, saying why.
    void ForgetClipboard(const char* why);
    // Gives `window` the foreground and pastes there.
    void PasteInto(HWND window);
    // A key's own action, when the user stored one for the key of `command`:
    // true when it ran in place of the built-in action.
    bool RunOwnKeyAction(std::uint8_t command);
    // Offers `text` on the clipboard, handed over when the paste reads it; false
    // when another program held the clipboard open.
    bool PutTextOnClipboard(const std::wstring& text);
    LRESULT OnRenderFormat(WPARAM format, LPARAM);
    LRESULT OnRenderAllFormats(WPARAM, LPARAM);
    LRESULT OnDestroyClipboard(WPARAM, LPARAM);

    // Settings dialogs and the driver package.
    void OnConfig();
    void OnSetup();
    void OnUninstallDriver();
    void SetTrayIcon(BOOL active);
    void ShowVolumeDisplay();
    // Runs `action` on a dispatcher that works on the view's own state.
    void RunDispatcher(const std::function<void(CKeyCommandDispatcher&)>& action);

    CTrayIconThread m_trayIcon;
    CKeybdhook m_keybdhook;
    BOOL m_bIconActive = FALSE;
    DWORD m_dwVolume = 0;
    CLogPoller m_logPoller;
    bool m_bEjectOpens = true;
    BOOL m_bShiftLatched = FALSE;
    // Mixer state; with no mixer the handle stays null. Volume starts at 0, sound on.
    HMIXER m_hMixer = nullptr;
    DWORD m_dwVolumeControlID = kNoMixerControl;
    DWORD m_dwMuteControlID = kNoMixerControl;
    DWORD m_bMute = 0;
    CEndpointVolume m_endpointVolume;
    // The one picture popup, hidden between pictures, on its own thread.
    CPictureThread m_pictures;
    std::uint32_t m_dwPendingVolume = 0;
    // The clipboard's memory-block formats, saved while a text is pasted.
    struct ClipEntry {
        UINT format;
        std::vector<unsigned char> data;
    };
    std::vector<ClipEntry> m_clipSnapshot;
    // Whether m_clipSnapshot holds what the user had, still to be put back,
    // and how often putting it back found the clipboard taken.
    bool m_bClipboardSaved = false;
    int m_nClipboardRetries = 0;
    // The text of the last paste, while the program it was pasted into has not
    // read it yet.
    std::wstring m_strPasteText;
    bool m_bPasteUnread = false;
    HWND m_hWndPrevForeground = nullptr;
    // Whether the tray menu or the user menu is shown.
    bool m_bMenuOpen = false;
    CKeyActions m_keyActions;
    // The Keys window while it is open.
    CKeysDlg* m_pKeysDlg = nullptr;
};
