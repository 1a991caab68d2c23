#include "tests/e2e/audio_stand_in/audio_device.h"

#include "tests/e2e/audio_stand_in/device_properties.h"
#include "tests/e2e/audio_stand_in/endpoint_volume.h"

#include <audioclient.h>
#include <endpointvolume.h>

#include <mutex>


namespace audio_stand_in {

namespace {

bool Present(int index) {
    SharedState::Lock state(Shared());
    return index < static_cast<int>(state->deviceCount);
}

}  // namespace

// One object per endpoint for the life of the process, as Windows gives:
// callers compare the default device's pointer with an enumeration's (Wine's
// own wave functions do).
HRESULT HandOutDevice(int index, IMMDevice** device) {
    static std::mutex mutex;
    static AudioDevice* devices[kMaxDevices] = {};
    std::lock_guard<std::mutex> hold(mutex);
    if (devices[index] == nullptr) {
        devices[index] = new AudioDevice(index);
    }
    return devices[index]->QueryInterface(__uuidof(IMMDevice), reinterpret_cast<void**>(device));
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

// Read-only whatever the access asked for: a write is refused at SetValue.
HRESULT AudioDevice::OpenPropertyStore(DWORD, IPropertyStore** properties) {
    if (properties == nullptr) {
        return E_POINTER;
    }
    *properties = nullptr;
    return HandOut(new DeviceProperties(m_index), __uuidof(IPropertyStore), reinterpret_cast<void**>(properties));
}

HRESULT AudioDevice::GetId(LPWSTR* id) {
    if (id == nullptr) {
        return E_POINTER;
    }
    *id = TaskMemCopy(kDeviceIds[m_index]);
    return *id == nullptr ? E_OUTOFMEMORY : S_OK;
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
