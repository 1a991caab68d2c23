#include "tests/e2e/audio_stand_in.h"

#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"

namespace e2e {

namespace {

constexpr char kServerKey[] = "CLSID\\{BCDE0395-E52F-467C-8E3D-C4579291692E}\\InprocServer32";
constexpr char kDll[] = "keyvane_audio_stand_in.dll";

}  // namespace

// {6B1D3A52-7F0E-4C1B-9E55-2F6A10C4D7E1}
const GUID AudioStandIn::kElsewhere = {0x6b1d3a52, 0x7f0e, 0x4c1b, {0x9e, 0x55, 0x2f, 0x6a, 0x10, 0xc4, 0xd7, 0xe1}};

const wchar_t* AudioStandIn::DeviceId(int device) {
    return audio_stand_in::kDeviceIds[device];
}

AudioStandIn::ClassKey::ClassKey() : existed(KeyExists(HKEY_CLASSES_ROOT, kServerKey)) {}

// A registration that was not there before goes entirely.
AudioStandIn::ClassKey::~ClassKey() {
    if (!existed) {
        DeleteKeyTree(HKEY_CLASSES_ROOT, kServerKey);
    }
}

AudioStandIn::AudioStandIn()
    : m_server(HKEY_CLASSES_ROOT, kServerKey, ""), m_threadingModel(HKEY_CLASSES_ROOT, kServerKey, "ThreadingModel") {
    if (!m_shared.IsOpen()) {
        throw Failure("the stand-in audio endpoint's shared state could not be opened");
    }
    m_server.Set(TestDirectory() + kDll);
    m_threadingModel.Set("Both");
    audio_stand_in::SharedState::Lock state(m_shared);
    audio_stand_in::ChangeDeviceCount(*state, 1);
    audio_stand_in::ChangeDefault(*state, kSpeakers);
    for (audio_stand_in::Device& device : state->devices) {
        device = audio_stand_in::Device{0.5f, 0, 0, 0, GUID_NULL};
    }
}

AudioStandIn::~AudioStandIn() = default;

void AudioStandIn::SetDevices(unsigned count) {
    audio_stand_in::SharedState::Lock state(m_shared);
    audio_stand_in::ChangeDeviceCount(*state, count);
}

void AudioStandIn::SetDefault(int device) {
    audio_stand_in::SharedState::Lock state(m_shared);
    audio_stand_in::ChangeDefault(*state, device);
}

void AudioStandIn::SetRefuses(int device, bool refuses) {
    audio_stand_in::SharedState::Lock state(m_shared);
    state->devices[device].refuses = refuses;
}

void AudioStandIn::ChangeFromElsewhere(int device, float level, bool muted) {
    audio_stand_in::SharedState::Lock state(m_shared);
    audio_stand_in::ChangeVolume(*state, device, level, muted, kElsewhere);
}

audio_stand_in::Device AudioStandIn::Read(int device) const {
    audio_stand_in::SharedState::Lock state(m_shared);
    return state->devices[device];
}

float AudioStandIn::Level(int device) const {
    return Read(device).level;
}

bool AudioStandIn::Muted(int device) const {
    return Read(device).muted != 0;
}

unsigned AudioStandIn::SetCount(int device) const {
    return Read(device).setCount;
}

GUID AudioStandIn::LastContext(int device) const {
    return Read(device).lastContext;
}

uint32_t AudioStandIn::Sequence() const {
    audio_stand_in::SharedState::Lock state(m_shared);
    return state->sequence;
}

}  // namespace e2e
