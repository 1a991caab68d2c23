#include "audio/endpoint_volume.h"

#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include <cmath>

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
    if (m_pEnumerator != nullptr) {
        m_pEnumerator->Release();
    }
}

bool CEndpointVolume::Open() {
    // The user-interface thread is a single-threaded apartment (the clipboard's data object needs one too).
    const HRESULT init = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(init) && init != RPC_E_CHANGED_MODE) {
        return false;
    }
    ::CoCreateGuid(&m_context);
    return SUCCEEDED(::CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                                        __uuidof(IMMDeviceEnumerator), reinterpret_cast<void**>(&m_pEnumerator)));
}

bool CEndpointVolume::GetVolume(DWORD* volume) const {
    ComPtr<IAudioEndpointVolume> endpoint;
    float level = 0;
    if (!OpenDefaultEndpoint(m_pEnumerator, &endpoint) || FAILED(endpoint->GetMasterVolumeLevelScalar(&level))) {
        return false;
    }
    *volume = static_cast<DWORD>(std::lround(level * 65535.0f));
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
    const float level = static_cast<float>(volume) / 65535.0f;
    return OpenDefaultEndpoint(m_pEnumerator, &endpoint) &&
           SUCCEEDED(endpoint->SetMasterVolumeLevelScalar(level, &m_context));
}
