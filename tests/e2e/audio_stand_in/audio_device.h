// One of the stand-in's playback endpoints, named by its index in kDeviceIds.
#pragma once

#include "tests/e2e/audio_stand_in/com_object.h"

#include <mmdeviceapi.h>

#include <vector>

namespace audio_stand_in {

class AudioDevice : public ComObject<IMMDevice> {
public:
    explicit AudioDevice(int index) : m_index(index) {}

    HRESULT STDMETHODCALLTYPE Activate(REFIID iid, DWORD context, PROPVARIANT* parameters, void** object) override;
    HRESULT STDMETHODCALLTYPE OpenPropertyStore(DWORD access, IPropertyStore** properties) override;
    HRESULT STDMETHODCALLTYPE GetId(LPWSTR* id) override;
    HRESULT STDMETHODCALLTYPE GetState(DWORD* state) override;

private:
    int m_index;
};

// The endpoints an enumeration found, in the order of their indexes.
class DeviceCollection : public ComObject<IMMDeviceCollection> {
public:
    explicit DeviceCollection(std::vector<int> indexes) : m_indexes(std::move(indexes)) {}

    HRESULT STDMETHODCALLTYPE GetCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE Item(UINT position, IMMDevice** device) override;

private:
    std::vector<int> m_indexes;
};

// Hands out a new device object for the endpoint at `index`.
HRESULT HandOutDevice(int index, IMMDevice** device);

}  // namespace audio_stand_in
