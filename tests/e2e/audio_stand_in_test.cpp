// The stand-in audio endpoint itself, as the cases of today's Windows volume
// rely on it: one state seen through the enumerator by every process,
// changes from any process announced on a thread of its own, the default
// device's changes, no device, a device that refuses, and Wine's own
// registration put back.
#include "tests/e2e/audio_stand_in.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/registry_fixture.h"

#include <audioclient.h>
#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include <cmath>
#include <mutex>
#include <string>
#include <vector>

using e2e::AudioStandIn;

namespace {

constexpr char kServerKey[] = "CLSID\\{BCDE0395-E52F-467C-8E3D-C4579291692E}\\InprocServer32";
// {0E3C8A1D-5B27-4F69-A8D2-91C7B34E6F05}
constexpr GUID kOwnContext = {0x0e3c8a1d, 0x5b27, 0x4f69, {0xa8, 0xd2, 0x91, 0xc7, 0xb3, 0x4e, 0x6f, 0x05}};
constexpr char kProgramContext[] = "{5D0F2E64-C3A1-4B8E-9F17-6A2B4C8D0E93}";
constexpr GUID kProgramContextGuid = {0x5d0f2e64, 0xc3a1, 0x4b8e, {0x9f, 0x17, 0x6a, 0x2b, 0x4c, 0x8d, 0x0e, 0x93}};

// A callback object of the test's own: it counts its references, so that
// what the stand-in took is seen to be given back, and records each call
// with the thread it came on.
template <class Interface, class Notice>
class Recorder : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(Interface))) {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_references)); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(::InterlockedDecrement(&m_references)); }
    LONG References() const { return m_references; }

    // Waits for a call that `matches`; the thread it came on, or 0.
    template <class Matches>
    DWORD WaitFor(Matches matches, unsigned timeoutMs = 5000) {
        DWORD thread = 0;
        e2e::WaitFor(
            [&] {
                std::lock_guard<std::mutex> hold(m_mutex);
                for (const Notice& notice : m_notices) {
                    if (matches(notice)) {
                        thread = notice.thread;
                        return true;
                    }
                }
                return false;
            },
            timeoutMs);
        return thread;
    }

protected:
    void Record(const Notice& notice) {
        std::lock_guard<std::mutex> hold(m_mutex);
        m_notices.push_back(notice);
    }

private:
    LONG m_references = 1;
    std::mutex m_mutex;
    std::vector<Notice> m_notices;
};

struct VolumeNotice {
    DWORD thread;
    GUID context;
    bool muted;
    float level;
    float lastChannel;
};

class VolumeRecorder : public Recorder<IAudioEndpointVolumeCallback, VolumeNotice> {
public:
    HRESULT STDMETHODCALLTYPE OnNotify(AUDIO_VOLUME_NOTIFICATION_DATA* data) override {
        Record(VolumeNotice{::GetCurrentThreadId(), data->guidEventContext, data->bMuted != FALSE,
                            data->fMasterVolume, data->afChannelVolumes[data->nChannels - 1]});
        return S_OK;
    }
    // The thread a change with this context, level and mute came on, or 0.
    DWORD WaitForChange(const GUID& context, float level, bool muted) {
        return WaitFor([&](const VolumeNotice& n) {
            return IsEqualGUID(n.context, context) && n.level == level && n.lastChannel == level && n.muted == muted;
        });
    }
};

struct DefaultNotice {
    DWORD thread;
    ERole role;
    std::wstring id;  // empty: no default device
};

class DefaultRecorder : public Recorder<IMMNotificationClient, DefaultNotice> {
public:
    HRESULT STDMETHODCALLTYPE OnDeviceStateChanged(LPCWSTR, DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDeviceAdded(LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDeviceRemoved(LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDefaultDeviceChanged(EDataFlow flow, ERole role, LPCWSTR id) override {
        if (flow == eRender) {
            Record(DefaultNotice{::GetCurrentThreadId(), role, id == nullptr ? std::wstring() : id});
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnPropertyValueChanged(LPCWSTR, const PROPERTYKEY) override { return S_OK; }
    DWORD WaitForDefault(ERole role, const std::wstring& id) {
        return WaitFor([&](const DefaultNotice& n) { return n.role == role && n.id == id; });
    }
};

// Releases a COM pointer at the end of the scope.
template <class Interface>
struct Held {
    Interface* p = nullptr;
    ~Held() {
        if (p != nullptr) {
            p->Release();
        }
    }
    void** Out() { return reinterpret_cast<void**>(&p); }
    Interface* operator->() const { return p; }
};

struct Com {
    Com() { ::CoInitializeEx(nullptr, COINIT_MULTITHREADED); }
    ~Com() { ::CoUninitialize(); }
};

void CreateEnumerator(Held<IMMDeviceEnumerator>& enumerator) {
    const HRESULT hr = ::CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER,
                                          __uuidof(IMMDeviceEnumerator), enumerator.Out());
    E2E_CHECK(SUCCEEDED(hr), "the enumerator was made: " + e2e::Hex(static_cast<unsigned long>(hr)));
    E2E_CHECK(::GetModuleHandleA("keyvane_audio_stand_in.dll") != nullptr, "the enumerator is the stand-in's");
}

std::wstring DeviceIdOf(IMMDevice* device) {
    LPWSTR id = nullptr;
    E2E_CHECK(SUCCEEDED(device->GetId(&id)), "the device gave its id");
    std::wstring text(id);
    ::CoTaskMemFree(id);
    return text;
}

void ActivateVolume(IMMDevice* device, Held<IAudioEndpointVolume>& volume) {
    E2E_CHECK(SUCCEEDED(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr, volume.Out())),
              "the device's volume control was activated");
}

float LevelOf(IAudioEndpointVolume* volume) {
    float level = -1.0f;
    E2E_CHECK(SUCCEEDED(volume->GetMasterVolumeLevelScalar(&level)), "the level was read");
    return level;
}

}  // namespace

E2E_CASE(AudioStandIn, OneDeviceSeenAndChangedByEveryProcess) {
    const auto wineServer = e2e::ReadRawValue(HKEY_CLASSES_ROOT, kServerKey, "");
    const auto wineModel = e2e::ReadRawValue(HKEY_CLASSES_ROOT, kServerKey, "ThreadingModel");
    {
        AudioStandIn standIn;
        Com com;
        Held<IMMDeviceEnumerator> enumerator;
        CreateEnumerator(enumerator);
        for (ERole role : {eConsole, eMultimedia}) {
            Held<IMMDevice> device;
            E2E_CHECK(SUCCEEDED(enumerator->GetDefaultAudioEndpoint(eRender, role, &device.p)),
                      "a default playback device");
            E2E_CHECK(DeviceIdOf(device.p) == AudioStandIn::DeviceId(AudioStandIn::kSpeakers),
                      "the speakers are the default");
        }
        Held<IMMDevice> speakers;
        E2E_CHECK(SUCCEEDED(enumerator->GetDevice(AudioStandIn::DeviceId(AudioStandIn::kSpeakers), &speakers.p)),
                  "the speakers are found by their id");
        Held<IAudioEndpointVolume> volume;
        ActivateVolume(speakers.p, volume);
        E2E_CHECK(LevelOf(volume.p) == 0.5f, "the scene's level is read");

        VolumeRecorder recorder;
        E2E_CHECK(SUCCEEDED(volume->RegisterControlChangeNotify(&recorder)), "the callback was registered");
        const DWORD self = ::GetCurrentThreadId();

        // A change of this process, then one of another program, then one "from elsewhere".
        E2E_CHECK(SUCCEEDED(volume->SetMasterVolumeLevelScalar(0.3f, &kOwnContext)), "the level was set");
        E2E_CHECK(standIn.Level(AudioStandIn::kSpeakers) == 0.3f, "the shared level follows");
        E2E_CHECK(IsEqualGUID(standIn.LastContext(AudioStandIn::kSpeakers), kOwnContext), "with this context");
        const DWORD own = recorder.WaitForChange(kOwnContext, 0.3f, false);
        E2E_CHECK(own != 0 && own != self, "this process's change came back on the stand-in's thread");

        E2E_CHECK_EQ(e2e::RunAndWait("volume_change.exe 0.7 " + std::string(kProgramContext)), 0ul,
                     "another program set the level");
        E2E_CHECK(LevelOf(volume.p) == 0.7f, "this process reads the other program's level");
        const DWORD program = recorder.WaitForChange(kProgramContextGuid, 0.7f, false);
        E2E_CHECK(program != 0 && program != self, "the other program's change was announced here");

        standIn.ChangeFromElsewhere(AudioStandIn::kSpeakers, 0.4f, true);
        E2E_CHECK(recorder.WaitForChange(AudioStandIn::kElsewhere, 0.4f, true) != 0, "a change from elsewhere");
        BOOL muted = FALSE;
        E2E_CHECK(SUCCEEDED(volume->GetMute(&muted)) && muted, "the mute is read");
        E2E_CHECK_EQ(volume->SetMute(TRUE, &kOwnContext), S_FALSE, "muting a muted device changes nothing");
        E2E_CHECK_EQ(standIn.SetCount(AudioStandIn::kSpeakers), 3u, "every successful set is counted");

        // Windows' own steps of 2 %, from between two steps and at the ends.
        struct Step {
            float from;
            bool up;
            float to;
        };
        for (const Step& step : {Step{0.21f, true, 0.22f}, Step{0.22f, true, 0.24f}, Step{0.2199999f, true, 0.24f},
                                 Step{0.99f, true, 1.0f}, Step{1.0f, true, 1.0f}, Step{0.21f, false, 0.2f},
                                 Step{0.22f, false, 0.2f}, Step{0.01f, false, 0.0f}, Step{0.0f, false, 0.0f}}) {
            standIn.ChangeFromElsewhere(AudioStandIn::kSpeakers, step.from, false);
            E2E_CHECK(SUCCEEDED(step.up ? volume->VolumeStepUp(&kOwnContext) : volume->VolumeStepDown(&kOwnContext)),
                      "a step");
            E2E_CHECK(std::fabs(LevelOf(volume.p) - step.to) < 1e-6f,
                      std::to_string(step.from) + (step.up ? " up" : " down") + " gives " + std::to_string(step.to));
        }

        // A device that refuses: an error, and nothing changes.
        standIn.ChangeFromElsewhere(AudioStandIn::kSpeakers, 0.6f, false);
        standIn.SetRefuses(AudioStandIn::kSpeakers, true);
        const unsigned counted = standIn.SetCount(AudioStandIn::kSpeakers);
        E2E_CHECK_EQ(volume->SetMasterVolumeLevelScalar(0.8f, &kOwnContext), E_ACCESSDENIED, "the level is refused");
        E2E_CHECK_EQ(volume->SetMute(TRUE, &kOwnContext), E_ACCESSDENIED, "the mute is refused");
        E2E_CHECK_EQ(volume->VolumeStepUp(&kOwnContext), E_ACCESSDENIED, "the step is refused");
        E2E_CHECK(standIn.Level(AudioStandIn::kSpeakers) == 0.6f && !standIn.Muted(AudioStandIn::kSpeakers),
                  "the refusing device keeps its level and mute");
        E2E_CHECK_EQ(standIn.SetCount(AudioStandIn::kSpeakers), counted, "a refused set is not counted");

        E2E_CHECK(SUCCEEDED(volume->UnregisterControlChangeNotify(&recorder)), "the callback was unregistered");
        // The stand-in's thread may still be handing over a step's change, with a
        // reference of its own for the length of that call.
        E2E_CHECK(e2e::WaitFor([&] { return recorder.References() == 1; }, 2000),
                  "the stand-in gave back the callback's references (" + std::to_string(recorder.References()) +
                      " held)");
    }
    E2E_CHECK(e2e::ReadRawValue(HKEY_CLASSES_ROOT, kServerKey, "") == wineServer, "Wine's server is back");
    E2E_CHECK(e2e::ReadRawValue(HKEY_CLASSES_ROOT, kServerKey, "ThreadingModel") == wineModel,
              "Wine's threading model is back");
}

E2E_CASE(AudioStandIn, DefaultDeviceFollowedUntilThereIsNone) {
    AudioStandIn standIn;
    Com com;
    Held<IMMDeviceEnumerator> enumerator;
    CreateEnumerator(enumerator);
    DefaultRecorder recorder;
    E2E_CHECK(SUCCEEDED(enumerator->RegisterEndpointNotificationCallback(&recorder)), "the client was registered");
    Held<IMMDevice> speakers;
    E2E_CHECK(SUCCEEDED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &speakers.p)), "the speakers");
    Held<IAudioEndpointVolume> speakersVolume;
    ActivateVolume(speakers.p, speakersVolume);

    // Headphones plugged in and made the default.
    standIn.SetDevices(2);
    standIn.SetDefault(AudioStandIn::kHeadphones);
    const std::wstring headphonesId = AudioStandIn::DeviceId(AudioStandIn::kHeadphones);
    for (ERole role : {eConsole, eMultimedia}) {
        const DWORD thread = recorder.WaitForDefault(role, headphonesId);
        E2E_CHECK(thread != 0 && thread != ::GetCurrentThreadId(), "the new default was told on the stand-in's thread");
    }
    Held<IMMDevice> headphones;
    E2E_CHECK(SUCCEEDED(enumerator->GetDefaultAudioEndpoint(eRender, eMultimedia, &headphones.p)) &&
                  DeviceIdOf(headphones.p) == headphonesId,
              "the headphones are the default");
    Held<IMMDeviceCollection> present;
    UINT count = 0;
    E2E_CHECK(SUCCEEDED(enumerator->EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, &present.p)) &&
                  SUCCEEDED(present->GetCount(&count)) && count == 2,
              "two playback devices are present");
    // Callers compare device pointers (Wine's own wave functions find the default so).
    Held<IMMDevice> second;
    E2E_CHECK(SUCCEEDED(present->Item(1, &second.p)) && second.p == headphones.p,
              "an endpoint is one object however it is reached");

    // Each device's changes go to its own callbacks only.
    Held<IAudioEndpointVolume> headphonesVolume;
    ActivateVolume(headphones.p, headphonesVolume);
    VolumeRecorder speakersRecorder;
    VolumeRecorder headphonesRecorder;
    E2E_CHECK(SUCCEEDED(speakersVolume->RegisterControlChangeNotify(&speakersRecorder)) &&
                  SUCCEEDED(headphonesVolume->RegisterControlChangeNotify(&headphonesRecorder)),
              "both callbacks were registered");
    // Changes are told in order: once the later one is in, the earlier one was handed out.
    standIn.ChangeFromElsewhere(AudioStandIn::kHeadphones, 0.25f, false);
    standIn.ChangeFromElsewhere(AudioStandIn::kSpeakers, 0.75f, false);
    E2E_CHECK(speakersRecorder.WaitForChange(AudioStandIn::kElsewhere, 0.75f, false) != 0, "the speakers' change");
    E2E_CHECK(headphonesRecorder.WaitForChange(AudioStandIn::kElsewhere, 0.25f, false) != 0,
              "the headphones' change");
    E2E_CHECK(speakersRecorder.WaitFor([](const VolumeNotice& n) { return n.level == 0.25f; }, 0) == 0,
              "the headphones' change did not reach the speakers' callback");

    // Every device gone: no default, and the old device's control fails.
    standIn.SetDevices(0);
    E2E_CHECK(recorder.WaitForDefault(eConsole, L"") != 0, "the loss of the default was told");
    Held<IMMDevice> none;
    E2E_CHECK_EQ(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &none.p), E_NOTFOUND, "no device");
    E2E_CHECK_EQ(static_cast<unsigned long>(E_NOTFOUND), 0x80070490ul, "the code Windows gives");
    float level = 0.0f;
    E2E_CHECK_EQ(headphonesVolume->GetMasterVolumeLevelScalar(&level), AUDCLNT_E_DEVICE_INVALIDATED,
                 "a device that went answers no more");
    E2E_CHECK(SUCCEEDED(headphonesVolume->UnregisterControlChangeNotify(&headphonesRecorder)) &&
                  SUCCEEDED(speakersVolume->UnregisterControlChangeNotify(&speakersRecorder)) &&
                  SUCCEEDED(enumerator->UnregisterEndpointNotificationCallback(&recorder)),
              "everything was unregistered");
}
