// A device's read-only properties: the names a mixer shows for it (Wine's
// own wave and mixer functions read the friendly name of every endpoint).
#pragma once

#include "tests/e2e/audio_stand_in/com_object.h"

#include <propsys.h>

namespace audio_stand_in {

class DeviceProperties : public ComObject<IPropertyStore> {
public:
    explicit DeviceProperties(int device) : m_device(device) {}

    HRESULT STDMETHODCALLTYPE GetCount(DWORD* count) override;
    HRESULT STDMETHODCALLTYPE GetAt(DWORD index, PROPERTYKEY* key) override;
    HRESULT STDMETHODCALLTYPE GetValue(REFPROPERTYKEY key, PROPVARIANT* value) override;
    HRESULT STDMETHODCALLTYPE SetValue(REFPROPERTYKEY key, REFPROPVARIANT value) override;
    HRESULT STDMETHODCALLTYPE Commit() override;

private:
    int m_device;
};

}  // namespace audio_stand_in
