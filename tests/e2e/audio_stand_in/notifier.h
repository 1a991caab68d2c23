// The callbacks this process registered with the stand-in, and the thread of
// the stand-in's own that hands each change announced by any process to them,
// as Windows calls its clients from a thread of its audio service.
#pragma once

#include <endpointvolume.h>
#include <mmdeviceapi.h>

namespace audio_stand_in {

// Each holds a reference to the callback until it is removed. `owner` is the
// endpoint volume object it was registered with, `device` that object's device.
HRESULT AddVolumeCallback(const void* owner, int device, IAudioEndpointVolumeCallback* callback);
HRESULT RemoveVolumeCallback(const void* owner, IAudioEndpointVolumeCallback* callback);
// Everything an endpoint volume object registered goes with it.
void RemoveVolumeCallbacks(const void* owner);
HRESULT AddNotificationClient(IMMNotificationClient* client);
HRESULT RemoveNotificationClient(IMMNotificationClient* client);

}  // namespace audio_stand_in
