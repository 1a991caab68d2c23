#include "tests/e2e/audio_stand_in/notifier.h"

#include "tests/e2e/audio_stand_in/module.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace audio_stand_in {

namespace {

struct VolumeRegistration {
    const void* owner;
    int device;
    IAudioEndpointVolumeCallback* callback;
};

struct Registrations {
    std::mutex mutex;
    std::vector<VolumeRegistration> volume;
    std::vector<IMMNotificationClient*> clients;
    bool listening = false;
    HANDLE wake = nullptr;
    uint32_t lastSeen = 0;
};

Registrations& Registered() {
    static Registrations registrations;
    return registrations;
}

// The volume callbacks of `device`, or every notification client, each with
// a reference of its own, so that a callback may unregister while called.
template <class Callback, class Pick>
std::vector<Callback*> Snapshot(Pick pick) {
    Registrations& r = Registered();
    std::lock_guard<std::mutex> hold(r.mutex);
    std::vector<Callback*> callbacks = pick(r);
    for (Callback* callback : callbacks) {
        callback->AddRef();
    }
    return callbacks;
}

void NotifyVolume(const Change& change) {
    const auto callbacks = Snapshot<IAudioEndpointVolumeCallback>([&](Registrations& r) {
        std::vector<IAudioEndpointVolumeCallback*> picked;
        for (const VolumeRegistration& registration : r.volume) {
            if (registration.device == change.device) {
                picked.push_back(registration.callback);
            }
        }
        return picked;
    });
    // The record ends in one channel volume; the others follow it.
    alignas(AUDIO_VOLUME_NOTIFICATION_DATA) unsigned char
        buffer[sizeof(AUDIO_VOLUME_NOTIFICATION_DATA) + (kChannels - 1) * sizeof(float)];
    auto* data = reinterpret_cast<AUDIO_VOLUME_NOTIFICATION_DATA*>(buffer);
    data->guidEventContext = change.context;
    data->bMuted = change.muted;
    data->fMasterVolume = change.level;
    data->nChannels = kChannels;
    for (unsigned channel = 0; channel < kChannels; ++channel) {
        data->afChannelVolumes[channel] = change.level;
    }
    for (IAudioEndpointVolumeCallback* callback : callbacks) {
        callback->OnNotify(data);
        callback->Release();
    }
}

// One device is the default of every role, so a new one is told for each.
void NotifyDefault(const Change& change) {
    const auto clients =
        Snapshot<IMMNotificationClient>([](Registrations& r) { return r.clients; });
    const wchar_t* id = change.device == kNoDevice ? nullptr : kDeviceIds[change.device];
    for (IMMNotificationClient* client : clients) {
        for (ERole role : {eConsole, eMultimedia, eCommunications}) {
            client->OnDefaultDeviceChanged(eRender, role, id);
        }
        client->Release();
    }
}

DWORD WINAPI NotifierThread(void*) {
    ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    Registrations& r = Registered();
    Change changes[kRingSize];
    for (;;) {
        ::WaitForSingleObject(r.wake, INFINITE);
        uint32_t count = 0;
        {
            SharedState::Lock state(Shared());
            count = ChangesSince(*state, &r.lastSeen, changes);
        }
        for (uint32_t i = 0; i < count; ++i) {
            if (changes[i].kind == ChangeKind::Volume) {
                NotifyVolume(changes[i]);
            } else {
                NotifyDefault(changes[i]);
            }
        }
    }
}

// Starts listening at the first registration, before it returns, so that no
// change made after a registration is missed. Called with the mutex held.
HRESULT StartListening(Registrations& r) {
    if (r.listening) {
        return S_OK;
    }
    if (!Shared().IsOpen()) {
        return E_FAIL;
    }
    {
        SharedState::Lock state(Shared());
        r.wake = Listen(*state);
        r.lastSeen = state->sequence;
    }
    if (r.wake == nullptr) {
        return E_FAIL;
    }
    PinModule();
    HANDLE thread = ::CreateThread(nullptr, 0, NotifierThread, nullptr, 0, nullptr);
    if (thread == nullptr) {
        return E_FAIL;
    }
    ::CloseHandle(thread);
    r.listening = true;
    return S_OK;
}

template <class Item, class Same>
HRESULT Add(std::vector<Item>& items, const Item& item, IUnknown* callback, Same same) {
    if (callback == nullptr) {
        return E_POINTER;
    }
    Registrations& r = Registered();
    std::lock_guard<std::mutex> hold(r.mutex);
    if (std::any_of(items.begin(), items.end(), same)) {
        return E_INVALIDARG;
    }
    const HRESULT hr = StartListening(r);
    if (SUCCEEDED(hr)) {
        callback->AddRef();
        items.push_back(item);
    }
    return hr;
}

// Removes what `matches` picks and releases its callbacks; false when nothing matched.
template <class Item, class Matches, class CallbackOf>
bool Remove(std::vector<Item>& items, Matches matches, CallbackOf callbackOf) {
    std::vector<IUnknown*> released;
    {
        std::lock_guard<std::mutex> hold(Registered().mutex);
        const auto from = std::stable_partition(items.begin(), items.end(), [&](const Item& i) { return !matches(i); });
        for (auto i = from; i != items.end(); ++i) {
            released.push_back(callbackOf(*i));
        }
        items.erase(from, items.end());
    }
    for (IUnknown* callback : released) {
        callback->Release();
    }
    return !released.empty();
}

}  // namespace

HRESULT AddVolumeCallback(const void* owner, int device, IAudioEndpointVolumeCallback* callback) {
    return Add(Registered().volume, VolumeRegistration{owner, device, callback}, callback,
               [&](const VolumeRegistration& r) { return r.owner == owner && r.callback == callback; });
}

HRESULT RemoveVolumeCallback(const void* owner, IAudioEndpointVolumeCallback* callback) {
    const bool removed = Remove(
        Registered().volume, [&](const VolumeRegistration& r) { return r.owner == owner && r.callback == callback; },
        [](const VolumeRegistration& r) { return r.callback; });
    return removed ? S_OK : E_INVALIDARG;
}

void RemoveVolumeCallbacks(const void* owner) {
    Remove(Registered().volume, [&](const VolumeRegistration& r) { return r.owner == owner; },
           [](const VolumeRegistration& r) { return r.callback; });
}

HRESULT AddNotificationClient(IMMNotificationClient* client) {
    return Add(Registered().clients, client, client, [&](IMMNotificationClient* c) { return c == client; });
}

HRESULT RemoveNotificationClient(IMMNotificationClient* client) {
    const bool removed = Remove(Registered().clients, [&](IMMNotificationClient* c) { return c == client; },
                                [](IMMNotificationClient* c) { return c; });
    return removed ? S_OK : E_INVALIDARG;
}

}  // namespace audio_stand_in
