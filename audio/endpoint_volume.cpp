#include "audio/endpoint_volume.h"

#include "audio/volume_news.h"
#include "dispatch/volume_step.h"

#include <endpointvolume.h>
#include <mmdeviceapi.h>

namespace {

// Holds one COM interface pointer and releases it.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (m_p != nullptr) {
            m_p->Release();
        }
    }
    T** Receive() { return &m_p; }
    T* operator->() const { return m_p; }
    T* Detach() {
        T* p = m_p;
        m_p = nullptr;
        return p;
    }

private:
    T* m_p = nullptr;
};

bool OpenDefaultEndpoint(IMMDeviceEnumerator* enumerator, ComPtr<IAudioEndpointVolume>* endpoint) {
    ComPtr<IMMDevice> device;
    return enumerator != nullptr &&
           SUCCEEDED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, device.Receive())) &&
           SUCCEEDED(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr,
                                      reinterpret_cast<void**>(endpoint->Receive())));
}

}  // namespace

CEndpointVolume::~CEndpointVolume() {
    StopFollowing();
    if (m_pEnumerator != nullptr) {
        if (m_pNews != nullptr) {
            m_pEnumerator->UnregisterEndpointNotificationCallback(m_pNews);
        }
        m_pEnumerator->Release();
    }
    if (m_pNews != nullptr) {
        m_pNews->Release();
    }
}

bool CEndpointVolume::Open(HWND view, UINT changedMessage, UINT deviceMessage) {
    // The user-interface thread is a single-threaded apartment (the clipboard's data object needs one too).
    const HRESULT init = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(init) && init != RPC_E_CHANGED_MODE) {
        return false;
    }
    ::CoCreateGuid(&m_context);
    if (FAILED(::CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, __uuidof(IMMDeviceEnumerator),
                                  reinterpret_cast<void**>(&m_pEnumerator)))) {
        return false;
    }
    m_pNews = new CVolumeNews(view, changedMessage, deviceMessage, m_context);
    m_pEnumerator->RegisterEndpointNotificationCallback(m_pNews);
    FollowDefaultDevice();
    return true;
}

void CEndpointVolume::FollowDefaultDevice() {
    StopFollowing();
    ComPtr<IAudioEndpointVolume> endpoint;
    if (m_pNews != nullptr && OpenDefaultEndpoint(m_pEnumerator, &endpoint) &&
        SUCCEEDED(endpoint->RegisterControlChangeNotify(m_pNews))) {
        m_pFollowed = endpoint.Detach();
    }
}

void CEndpointVolume::StopFollowing() {
    if (m_pFollowed != nullptr) {
        m_pFollowed->UnregisterControlChangeNotify(m_pNews);
        m_pFollowed->Release();
        m_pFollowed = nullptr;
    }
}

bool CEndpointVolume::GetVolume(DWORD* volume) const {
    ComPtr<IAudioEndpointVolume> endpoint;
    float level = 0;
    if (!OpenDefaultEndpoint(m_pEnumerator, &endpoint) || FAILED(endpoint->GetMasterVolumeLevelScalar(&level))) {
        return false;
    }
    *volume = VolumeOfScalar(level);
    return true;
}

bool CEndpointVolume::GetMute(DWORD* mute) const {
    ComPtr<IAudioEndpointVolume> endpoint;
    BOOL muted = FALSE;
    if (!OpenDefaultEndpoint(m_pEnumerator, &endpoint) || FAILED(endpoint->GetMute(&muted))) {
        return false;
    }
    *mute = muted ? 1 : 0;
    return true;
}

bool CEndpointVolume::SetMute(DWORD mute) const {
    ComPtr<IAudioEndpointVolume> endpoint;
    return OpenDefaultEndpoint(m_pEnumerator, &endpoint) && SUCCEEDED(endpoint->SetMute(mute != 0, &m_context));
}

bool CEndpointVolume::SetVolume(DWORD volume) const {
    ComPtr<IAudioEndpointVolume> endpoint;
    const float level = static_cast<float>(volume) / static_cast<float>(kFullVolume);
    return OpenDefaultEndpoint(m_pEnumerator, &endpoint) &&
           SUCCEEDED(endpoint->SetMasterVolumeLevelScalar(level, &m_context));
}
