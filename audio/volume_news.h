// What the system tells of the playback devices, passed on to the view: a
// change of the followed device's level or mute that carries another
// program's event context, and a new default playback device. The system
// calls from threads of its own, so the news only posts.
#pragma once

#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include <atomic>

class CVolumeNews : public IMMNotificationClient, public IAudioEndpointVolumeCallback {
public:
    CVolumeNews(HWND view, UINT changedMessage, UINT deviceMessage, const GUID& ownContext);

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP OnNotify(PAUDIO_VOLUME_NOTIFICATION_DATA data) override;

    STDMETHODIMP OnDefaultDeviceChanged(EDataFlow flow, ERole role, LPCWSTR deviceId) override;
    STDMETHODIMP OnDeviceStateChanged(LPCWSTR, DWORD) override { return S_OK; }
    STDMETHODIMP OnDeviceAdded(LPCWSTR) override { return S_OK; }
    STDMETHODIMP OnDeviceRemoved(LPCWSTR) override { return S_OK; }
    STDMETHODIMP OnPropertyValueChanged(LPCWSTR, const PROPERTYKEY) override { return S_OK; }

private:
    virtual ~CVolumeNews() = default;

    std::atomic<ULONG> m_nRefs{1};
    const HWND m_hWndView;
    const UINT m_uChangedMsg;
    const UINT m_uDeviceMsg;
    const GUID m_ownContext;
};
