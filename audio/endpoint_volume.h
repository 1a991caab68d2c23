// The default playback device's master volume and mute through the Core Audio
// endpoint interface. From Windows 6.0 on, the legacy mixer only reaches this
// program's own audio session, never the speakers, so the view uses this there.
#pragma once

#include <windows.h>

class CVolumeNews;

class CEndpointVolume {
public:
    CEndpointVolume() = default;
    CEndpointVolume(const CEndpointVolume&) = delete;
    CEndpointVolume& operator=(const CEndpointVolume&) = delete;
    ~CEndpointVolume();

    // Makes the device enumerator; false where the system has none. Changes
    // made elsewhere to the default device's level or mute are posted to
    // `view` as `changedMessage` (wParam the mute state, lParam the level,
    // 0..65535); a new default device as `deviceMessage`, on which the view
    // calls FollowDefaultDevice. Both come from a thread of the system's.
    bool Open(HWND view, UINT changedMessage, UINT deviceMessage);
    // Hears the changes of the device that is the default now.
    void FollowDefaultDevice();
    // Each call asks for the current default device, so a headset plugged in
    // later is the one that is read. The volume is scaled to 0..65535.
    bool GetVolume(DWORD* volume) const;
    bool GetMute(DWORD* mute) const;
    bool SetMute(DWORD mute) const;
    // Sets the master level (0..65535).
    bool SetVolume(DWORD volume) const;

private:
    void StopFollowing();

    struct IMMDeviceEnumerator* m_pEnumerator = nullptr;
    // The device whose changes the news hears, while it does.
    struct IAudioEndpointVolume* m_pFollowed = nullptr;
    CVolumeNews* m_pNews = nullptr;
    // Every change the program makes carries this, so that its own changes
    // can be told from those of other programs.
    GUID m_context{};
};
