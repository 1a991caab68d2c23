#include "tests/e2e/audio_stand_in/endpoint_volume.h"

#include "tests/e2e/audio_stand_in/notifier.h"

#include <audioclient.h>

#include <algorithm>
#include <cmath>

namespace audio_stand_in {

namespace {

// The range a typical Windows output reports; a level maps to decibels as amplitude does.
constexpr float kMinDb = -65.25f;
constexpr float kMaxDb = 0.0f;
constexpr float kIncrementDb = 0.03125f;
// Windows' own volume steps: fifty of 2 %.
constexpr unsigned kSteps = 50;
constexpr float kStepTolerance = 1e-3f;

float DbFromScalar(float level) {
    return level <= 0.0f ? kMinDb : std::max(kMinDb, 20.0f * std::log10(level));
}

float ScalarFromDb(float levelDb) {
    return levelDb <= kMinDb ? 0.0f : std::pow(10.0f, levelDb / 20.0f);
}

struct Volume {
    HRESULT result;
    float level;
    bool muted;
};

Volume Level(const Device& device, float level) {
    if (!(level >= 0.0f && level <= 1.0f)) {
        return Volume{E_INVALIDARG, 0.0f, false};
    }
    return Volume{S_OK, level, device.muted != 0};
}

Volume LevelDb(const Device& device, float levelDb) {
    if (!(levelDb <= kMaxDb)) {
        return Volume{E_INVALIDARG, 0.0f, false};
    }
    return Level(device, ScalarFromDb(levelDb));
}

unsigned StepOf(float level, float tolerance) {
    return static_cast<unsigned>(std::floor(level * kSteps + tolerance));
}

}  // namespace

EndpointVolume::~EndpointVolume() {
    RemoveVolumeCallbacks(this);
}

template <class Next>
HRESULT EndpointVolume::Change(LPCGUID context, Next next) {
    SharedState::Lock state(Shared());
    if (m_device >= static_cast<int>(state->deviceCount)) {
        return AUDCLNT_E_DEVICE_INVALIDATED;
    }
    Device& device = state->devices[m_device];
    if (device.refuses != 0) {
        return E_ACCESSDENIED;
    }
    const Volume volume = next(static_cast<const Device&>(device));
    if (FAILED(volume.result)) {
        return volume.result;
    }
    ++device.setCount;
    ChangeVolume(*state, m_device, volume.level, volume.muted, context == nullptr ? GUID_NULL : *context);
    return volume.result;
}

template <class Reader>
HRESULT EndpointVolume::Read(Reader reader) const {
    SharedState::Lock state(Shared());
    if (m_device >= static_cast<int>(state->deviceCount)) {
        return AUDCLNT_E_DEVICE_INVALIDATED;
    }
    reader(state->devices[m_device]);
    return S_OK;
}

HRESULT EndpointVolume::RegisterControlChangeNotify(IAudioEndpointVolumeCallback* notify) {
    return AddVolumeCallback(this, m_device, notify);
}

HRESULT EndpointVolume::UnregisterControlChangeNotify(IAudioEndpointVolumeCallback* notify) {
    return notify == nullptr ? E_POINTER : RemoveVolumeCallback(this, notify);
}

HRESULT EndpointVolume::GetChannelCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = kChannels;
    return S_OK;
}

HRESULT EndpointVolume::SetMasterVolumeLevel(float levelDb, LPCGUID context) {
    return Change(context, [&](const Device& device) { return LevelDb(device, levelDb); });
}

HRESULT EndpointVolume::SetMasterVolumeLevelScalar(float level, LPCGUID context) {
    return Change(context, [&](const Device& device) { return Level(device, level); });
}

HRESULT EndpointVolume::GetMasterVolumeLevel(float* levelDb) {
    return levelDb == nullptr ? E_POINTER : Read([&](const Device& device) { *levelDb = DbFromScalar(device.level); });
}

HRESULT EndpointVolume::GetMasterVolumeLevelScalar(float* level) {
    return level == nullptr ? E_POINTER : Read([&](const Device& device) { *level = device.level; });
}

// The channels stay balanced: setting one sets them all.
HRESULT EndpointVolume::SetChannelVolumeLevel(UINT channel, float levelDb, LPCGUID context) {
    return channel >= kChannels ? E_INVALIDARG : SetMasterVolumeLevel(levelDb, context);
}

HRESULT EndpointVolume::SetChannelVolumeLevelScalar(UINT channel, float level, LPCGUID context) {
    return channel >= kChannels ? E_INVALIDARG : SetMasterVolumeLevelScalar(level, context);
}

HRESULT EndpointVolume::GetChannelVolumeLevel(UINT channel, float* levelDb) {
    return channel >= kChannels ? E_INVALIDARG : GetMasterVolumeLevel(levelDb);
}

HRESULT EndpointVolume::GetChannelVolumeLevelScalar(UINT channel, float* level) {
    return channel >= kChannels ? E_INVALIDARG : GetMasterVolumeLevelScalar(level);
}

// As Windows: S_FALSE when the device already was in that state.
HRESULT EndpointVolume::SetMute(BOOL mute, LPCGUID context) {
    return Change(context, [&](const Device& device) {
        return Volume{(device.muted != 0) == (mute != FALSE) ? S_FALSE : S_OK, device.level, mute != FALSE};
    });
}

HRESULT EndpointVolume::GetMute(BOOL* mute) {
    return mute == nullptr ? E_POINTER : Read([&](const Device& device) { *mute = device.muted != 0; });
}

HRESULT EndpointVolume::GetVolumeStepInfo(UINT* step, UINT* stepCount) {
    if (step == nullptr || stepCount == nullptr) {
        return E_POINTER;
    }
    *stepCount = kSteps + 1;
    return Read([&](const Device& device) { *step = StepOf(device.level, 0.5f); });
}

// A level between two steps goes to the next one, as Windows' keys step.
HRESULT EndpointVolume::VolumeStepUp(LPCGUID context) {
    return Change(context, [](const Device& device) {
        const unsigned step = std::min(kSteps, StepOf(device.level, kStepTolerance) + 1);
        return Volume{S_OK, static_cast<float>(step) / kSteps, device.muted != 0};
    });
}

HRESULT EndpointVolume::VolumeStepDown(LPCGUID context) {
    return Change(context, [](const Device& device) {
        const float above = std::ceil(device.level * kSteps - kStepTolerance);
        const float step = std::max(0.0f, above - 1.0f);
        return Volume{S_OK, step / kSteps, device.muted != 0};
    });
}

HRESULT EndpointVolume::QueryHardwareSupport(DWORD* mask) {
    if (mask == nullptr) {
        return E_POINTER;
    }
    *mask = 0;
    return S_OK;
}

HRESULT EndpointVolume::GetVolumeRange(float* minDb, float* maxDb, float* incrementDb) {
    if (minDb == nullptr || maxDb == nullptr || incrementDb == nullptr) {
        return E_POINTER;
    }
    *minDb = kMinDb;
    *maxDb = kMaxDb;
    *incrementDb = kIncrementDb;
    return S_OK;
}

}  // namespace audio_stand_in
