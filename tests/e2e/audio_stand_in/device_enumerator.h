// The stand-in's MMDeviceEnumerator: the playback endpoints of the shared
// state, the default one, and the clients told of a new default.
#pragma once

#include "tests/e2e/audio_stand_in/com_object.h"

#include <mmdeviceapi.h>

namespace audio_stand_in {

class DeviceEnumerator : public ComObject<IMMDeviceEnumerator> {
public:
    HRESULT STDMETHODCALLTYPE EnumAudioEndpoints(EDataFlow flow, DWORD stateMask,
                                                 IMMDeviceCollection** devices) override;
    HRESULT STDMETHODCALLTYPE GetDefaultAudioEndpoint(EDataFlow flow, ERole role, IMMDevice** device) override;
    HRESULT STDMETHODCALLTYPE GetDevice(LPCWSTR id, IMMDevice** device) override;
    HRESULT STDMETHODCALLTYPE RegisterEndpointNotificationCallback(IMMNotificationClient* client) override;
    HRESULT STDMETHODCALLTYPE UnregisterEndpointNotificationCallback(IMMNotificationClient* client) override;
};

}  // namespace audio_stand_in
