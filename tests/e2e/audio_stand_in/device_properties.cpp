#include "tests/e2e/audio_stand_in/device_properties.h"

#include <initguid.h>

#include <functiondiscoverykeys_devpkey.h>

namespace audio_stand_in {

namespace {

struct Property {
    const PROPERTYKEY* key;
    const wchar_t* values[kMaxDevices];
};

const Property kProperties[] = {
    {&PKEY_Device_FriendlyName, {L"Speakers (Keyvane stand-in)", L"Headphones (Keyvane stand-in)"}},
    {&PKEY_Device_DeviceDesc, {L"Speakers", L"Headphones"}},
};
constexpr DWORD kCount = sizeof kProperties / sizeof kProperties[0];

}  // namespace

HRESULT DeviceProperties::GetCount(DWORD* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = kCount;
    return S_OK;
}

HRESULT DeviceProperties::GetAt(DWORD index, PROPERTYKEY* key) {
    if (key == nullptr) {
        return E_POINTER;
    }
    if (index >= kCount) {
        return E_INVALIDARG;
    }
    *key = *kProperties[index].key;
    return S_OK;
}

// A property the device does not have reads as empty, as Windows gives it.
HRESULT DeviceProperties::GetValue(REFPROPERTYKEY key, PROPVARIANT* value) {
    if (value == nullptr) {
        return E_POINTER;
    }
    ::PropVariantInit(value);
    for (const Property& property : kProperties) {
        if (IsEqualPropertyKey(key, *property.key)) {
            value->pwszVal = TaskMemCopy(property.values[m_device]);
            if (value->pwszVal == nullptr) {
                return E_OUTOFMEMORY;
            }
            value->vt = VT_LPWSTR;
            return S_OK;
        }
    }
    return S_OK;
}

HRESULT DeviceProperties::SetValue(REFPROPERTYKEY, REFPROPVARIANT) {
    return STG_E_ACCESSDENIED;
}

HRESULT DeviceProperties::Commit() {
    return STG_E_ACCESSDENIED;
}

}  // namespace audio_stand_in
