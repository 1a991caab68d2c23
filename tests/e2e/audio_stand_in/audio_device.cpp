#include "tests/e2e/audio_stand_in/audio_device.h"

#include "tests/e2e/audio_stand_in/endpoint_volume.h"

#include <audioclient.h>
#include <endpointvolume.h>

#include <cstring>
#include <cwchar>

namespace audio_stand_in {

namespace {

bool Present(int index) {
    SharedState::Lock state(Shared());
    return index < static_cast<int>(state->deviceCount);
}

}  // namespace

HRESULT HandOutDevice(int index, IMMDevice** device) {
    return HandOut(new AudioDevice(index), __uuidof(IMMDevice), reinterpret_cast<void**>(device));
}

// Only the volume control is there; a device that has gone gives none.
HRESULT AudioDevice::Activate(REFIID iid, DWORD, PROPVARIANT*, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (!IsEqualIID(iid, __uuidof(IAudioEndpointVolume))) {
        return E_NOINTERFACE;
    }
    if (!Present(m_index)) {
        return AUDCLNT_E_DEVICE_INVALIDATED;
    }
    return HandOut(new EndpointVolume(m_index), iid, object);
}

HRESULT AudioDevice::OpenPropertyStore(DWORD, IPropertyStore** properties) {
    if (properties != nullptr) {
        *properties = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT AudioDevice::GetId(LPWSTR* id) {
    if (id == nullptr) {
        return E_POINTER;
    }
    const size_t size = (std::wcslen(kDeviceIds[m_index]) + 1) * sizeof(wchar_t);
    *id = static_cast<LPWSTR>(::CoTaskMemAlloc(size));
    if (*id == nullptr) {
        return E_OUTOFMEMORY;
    }
    std::memcpy(*id, kDeviceIds[m_index], size);
    return S_OK;
}

HRESULT AudioDevice::GetState(DWORD* state) {
    if (state == nullptr) {
        return E_POINTER;
    }
    *state = Present(m_index) ? DEVICE_STATE_ACTIVE : DEVICE_STATE_NOTPRESENT;
    return S_OK;
}

HRESULT DeviceCollection::GetCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = static_cast<UINT>(m_indexes.size());
    return S_OK;
}

HRESULT DeviceCollection::Item(UINT position, IMMDevice** device) {
    if (device == nullptr) {
        return E_POINTER;
    }
    *device = nullptr;
    return position < m_indexes.size() ? HandOutDevice(m_indexes[position], device) : E_INVALIDARG;
}

}  // namespace audio_stand_in
