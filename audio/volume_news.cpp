#include "audio/volume_news.h"

#include "dispatch/volume_step.h"

CVolumeNews::CVolumeNews(HWND view, UINT changedMessage, UINT deviceMessage, const GUID& ownContext)
    : m_hWndView(view), m_uChangedMsg(changedMessage), m_uDeviceMsg(deviceMessage), m_ownContext(ownContext) {}

STDMETHODIMP CVolumeNews::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, __uuidof(IMMNotificationClient))) {
        *object = static_cast<IMMNotificationClient*>(this);
    } else if (IsEqualIID(iid, __uuidof(IAudioEndpointVolumeCallback))) {
        *object = static_cast<IAudioEndpointVolumeCallback*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CVolumeNews::AddRef() {
    return ++m_nRefs;
}

STDMETHODIMP_(ULONG) CVolumeNews::Release() {
    const ULONG refs = --m_nRefs;
    if (refs == 0) {
        delete this;
    }
    return refs;
}

STDMETHODIMP CVolumeNews::OnNotify(PAUDIO_VOLUME_NOTIFICATION_DATA data) {
    // The program's own changes show as they are made, not a second time.
    if (data == nullptr || IsEqualGUID(data->guidEventContext, m_ownContext)) {
        return S_OK;
    }
    ::PostMessageA(m_hWndView, m_uChangedMsg, data->bMuted ? 1 : 0,
                   static_cast<LPARAM>(VolumeOfScalar(data->fMasterVolume)));
    return S_OK;
}

STDMETHODIMP CVolumeNews::OnDefaultDeviceChanged(EDataFlow flow, ERole role, LPCWSTR) {
    // Told once for each role; the console role is the one the keys act on.
    if (flow == eRender && role == eConsole) {
        ::PostMessageA(m_hWndView, m_uDeviceMsg, 0, 0);
    }
    return S_OK;
}
