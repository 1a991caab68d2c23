// What every object of the stand-in shares: reference counting that any
// thread may use, QueryInterface for IUnknown and its one interface, and a
// count of live objects that keeps the DLL loaded while any is in use.
#pragma once

#include <windows.h>

#include <objbase.h>

#include <cstring>
#include <cwchar>

#include "tests/e2e/audio_stand_in/module.h"

namespace audio_stand_in {

template <class Interface>
class ComObject : public Interface {
public:
    ComObject() { ModuleAddRef(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(Interface))) {
            *object = static_cast<Interface*>(this);
            this->AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_references)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&m_references);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

protected:
    virtual ~ComObject() { ModuleRelease(); }

private:
    LONG m_references = 1;
};

// Hands a new object (made with one reference) out as `iid`, or releases it.
template <class Object>
HRESULT HandOut(Object* object, REFIID iid, void** result) {
    const HRESULT hr = object->QueryInterface(iid, result);
    object->Release();
    return hr;
}

// A copy of `text` that the caller frees with CoTaskMemFree; null when out of memory.
inline LPWSTR TaskMemCopy(const wchar_t* text) {
    const size_t size = (std::wcslen(text) + 1) * sizeof(wchar_t);
    auto* copy = static_cast<LPWSTR>(::CoTaskMemAlloc(size));
    if (copy != nullptr) {
        std::memcpy(copy, text, size);
    }
    return copy;
}

}  // namespace audio_stand_in
