// A device's volume control: the level and mute kept in the shared state,
// so that every process sees one device, and changes announced to every
// process's callbacks of that device.
#pragma once

#include "tests/e2e/audio_stand_in/com_object.h"

#include <endpointvolume.h>

namespace audio_stand_in {

class EndpointVolume : public ComObject<IAudioEndpointVolume> {
public:
    explicit EndpointVolume(int device) : m_device(device) {}

    HRESULT STDMETHODCALLTYPE RegisterControlChangeNotify(IAudioEndpointVolumeCallback* notify) override;
    HRESULT STDMETHODCALLTYPE UnregisterControlChangeNotify(IAudioEndpointVolumeCallback* notify) override;
    HRESULT STDMETHODCALLTYPE GetChannelCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE SetMasterVolumeLevel(float levelDb, LPCGUID context) override;
    HRESULT STDMETHODCALLTYPE SetMasterVolumeLevelScalar(float level, LPCGUID context) override;
    HRESULT STDMETHODCALLTYPE GetMasterVolumeLevel(float* levelDb) override;
    HRESULT STDMETHODCALLTYPE GetMasterVolumeLevelScalar(float* level) override;
    HRESULT STDMETHODCALLTYPE SetChannelVolumeLevel(UINT channel, float levelDb, LPCGUID context) override;
    HRESULT STDMETHODCALLTYPE SetChannelVolumeLevelScalar(UINT channel, float level, LPCGUID context) override;
    HRESULT STDMETHODCALLTYPE GetChannelVolumeLevel(UINT channel, float* levelDb) override;
    HRESULT STDMETHODCALLTYPE GetChannelVolumeLevelScalar(UINT channel, float* level) override;
    HRESULT STDMETHODCALLTYPE SetMute(BOOL mute, LPCGUID context) override;
    HRESULT STDMETHODCALLTYPE GetMute(BOOL* mute) override;
    HRESULT STDMETHODCALLTYPE GetVolumeStepInfo(UINT* step, UINT* stepCount) override;
    HRESULT STDMETHODCALLTYPE VolumeStepUp(LPCGUID context) override;
    HRESULT STDMETHODCALLTYPE VolumeStepDown(LPCGUID context) override;
    HRESULT STDMETHODCALLTYPE QueryHardwareSupport(DWORD* mask) override;
    HRESULT STDMETHODCALLTYPE GetVolumeRange(float* minDb, float* maxDb, float* incrementDb) override;

private:
    ~EndpointVolume() override;

    // The one road of every change: the device must be present and willing;
    // `next` gives the new level and mute from the device, or fails.
    template <class Next>
    HRESULT Change(LPCGUID context, Next next);
    template <class Reader>
    HRESULT Read(Reader reader) const;

    int m_device;
};

}  // namespace audio_stand_in
