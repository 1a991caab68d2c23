#include "tests/e2e/audio_stand_in/device_enumerator.h"

#include "tests/e2e/audio_stand_in/audio_device.h"
#include "tests/e2e/audio_stand_in/notifier.h"

#include <vector>

namespace audio_stand_in {

namespace {

bool ValidFlow(EDataFlow flow) {
    return flow == eRender || flow == eCapture || flow == eAll;
}

}  // namespace

// Every endpoint is a playback one: capture finds none.
HRESULT DeviceEnumerator::EnumAudioEndpoints(EDataFlow flow, DWORD stateMask, IMMDeviceCollection** devices) {
    if (devices == nullptr) {
        return E_POINTER;
    }
    *devices = nullptr;
    if (!ValidFlow(flow) || (stateMask & ~DEVICE_STATEMASK_ALL) != 0) {
        return E_INVALIDARG;
    }
    std::vector<int> found;
    if (flow != eCapture) {
        SharedState::Lock state(Shared());
        for (int i = 0; i < kMaxDevices; ++i) {
            const DWORD deviceState = i < static_cast<int>(state->deviceCount) ? DEVICE_STATE_ACTIVE
                                                                               : DEVICE_STATE_NOTPRESENT;
            if ((stateMask & deviceState) != 0) {
                found.push_back(i);
            }
        }
    }
    return HandOut(new DeviceCollection(std::move(found)), __uuidof(IMMDeviceCollection),
                   reinterpret_cast<void**>(devices));
}

// One default device serves every role.
HRESULT DeviceEnumerator::GetDefaultAudioEndpoint(EDataFlow flow, ERole role, IMMDevice** device) {
    if (device == nullptr) {
        return E_POINTER;
    }
    *device = nullptr;
    if ((flow != eRender && flow != eCapture) || role < eConsole || role >= ERole_enum_count) {
        return E_INVALIDARG;
    }
    int index = kNoDevice;
    if (flow == eRender) {
        SharedState::Lock state(Shared());
        index = state->defaultDevice;
    }
    return index == kNoDevice ? E_NOTFOUND : HandOutDevice(index, device);
}

HRESULT DeviceEnumerator::GetDevice(LPCWSTR id, IMMDevice** device) {
    if (id == nullptr || device == nullptr) {
        return E_POINTER;
    }
    *device = nullptr;
    const int index = DeviceIndex(id);
    return index == kNoDevice ? E_NOTFOUND : HandOutDevice(index, device);
}

HRESULT DeviceEnumerator::RegisterEndpointNotificationCallback(IMMNotificationClient* client) {
    return AddNotificationClient(client);
}

HRESULT DeviceEnumerator::UnregisterEndpointNotificationCallback(IMMNotificationClient* client) {
    return client == nullptr ? E_POINTER : RemoveNotificationClient(client);
}

}  // namespace audio_stand_in
