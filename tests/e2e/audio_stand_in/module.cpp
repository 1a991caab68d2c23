// The DLL's entry points: the class object of the audio device enumerator,
// and whether the DLL may go.
#include "tests/e2e/audio_stand_in/module.h"

#include "tests/e2e/audio_stand_in/com_object.h"
#include "tests/e2e/audio_stand_in/device_enumerator.h"

#include <mmdeviceapi.h>

namespace audio_stand_in {

namespace {

LONG g_objects = 0;

class ClassFactory : public ComObject<IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        return HandOut(new DeviceEnumerator, iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock) {
            ModuleAddRef();
        } else {
            ModuleRelease();
        }
        return S_OK;
    }
};

}  // namespace

void ModuleAddRef() {
    ::InterlockedIncrement(&g_objects);
}

void ModuleRelease() {
    ::InterlockedDecrement(&g_objects);
}

void PinModule() {
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                         reinterpret_cast<LPCSTR>(&PinModule), &module);
}

const SharedState& Shared() {
    static SharedState shared;
    return shared;
}

}  // namespace audio_stand_in

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (!IsEqualCLSID(clsid, __uuidof(MMDeviceEnumerator))) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return audio_stand_in::HandOut(new audio_stand_in::ClassFactory, iid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return ::InterlockedCompareExchange(&audio_stand_in::g_objects, 0, 0) == 0 ? S_OK : S_FALSE;
}
