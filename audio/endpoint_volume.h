// The default playback device's master volume and mute through the Core Audio
// endpoint interface. From Windows 6.0 on, the legacy mixer only reaches this
// program's own audio session, never the speakers, so the view uses this there.
#pragma once

#include <windows.h>

class CEndpointVolume {
public:
    CEndpointVolume() = default;
    CEndpointVolume(const CEndpointVolume&) = delete;
    CEndpointVolume& operator=(const CEndpointVolume&) = delete;
    ~CEndpointVolume();

    // Makes the device enumerator; false where the system has none.
    bool Open();
    // Each call asks for the current default device, so a headset plugged in
    // later is the one that is read. The volume is scaled to 0..65535.
    bool GetVolume(DWORD* volume) const;
    bool GetMute(DWORD* mute) const;
    bool SetMute(DWORD mute) const;
    // Sets the master level (0..65535).
    bool SetVolume(DWORD volume) const;

private:
    struct IMMDeviceEnumerator* m_pEnumerator = nullptr;
    // Every change the program makes carries this, so that its own changes
    // can be told from those of other programs.
    GUID m_context{};
};
