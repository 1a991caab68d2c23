// Another program that changes the default playback device's level through
// the audio device enumerator, as a mixer would: volume_change LEVEL CONTEXT,
// the context a GUID in braces. Its exit code is the call's result.
#include <windows.h>

#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include <cstdlib>
#include <initializer_list>

int main(int argc, char** argv) {
    if (argc != 3) {
        return E_INVALIDARG;
    }
    const float level = std::strtof(argv[1], nullptr);
    wchar_t contextText[64] = {};
    ::MultiByteToWideChar(CP_ACP, 0, argv[2], -1, contextText, 64);
    GUID context{};
    HRESULT hr = ::CLSIDFromString(contextText, &context);
    if (SUCCEEDED(hr)) {
        hr = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    IMMDeviceEnumerator* enumerator = nullptr;
    IMMDevice* device = nullptr;
    IAudioEndpointVolume* volume = nullptr;
    if (SUCCEEDED(hr)) {
        hr = ::CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IMMDeviceEnumerator), reinterpret_cast<void**>(&enumerator));
    }
    if (SUCCEEDED(hr)) {
        hr = enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device);
    }
    if (SUCCEEDED(hr)) {
        hr = device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr, reinterpret_cast<void**>(&volume));
    }
    if (SUCCEEDED(hr)) {
        hr = volume->SetMasterVolumeLevelScalar(level, &context);
    }
    for (IUnknown* object : {static_cast<IUnknown*>(volume), static_cast<IUnknown*>(device),
                             static_cast<IUnknown*>(enumerator)}) {
        if (object != nullptr) {
            object->Release();
        }
    }
    ::CoUninitialize();
    return hr;
}
