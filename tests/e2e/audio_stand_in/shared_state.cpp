#include "tests/e2e/audio_stand_in/shared_state.h"

#include <cstdio>
#include <cwchar>

namespace audio_stand_in {

const wchar_t* const kDeviceIds[kMaxDevices] = {L"{0.0.0.00000000}.{stand-in-speakers}",
                                                L"{0.0.0.00000000}.{stand-in-headphones}"};

namespace {

constexpr char kMappingName[] = "KeyvaneAudioStandIn.State";
constexpr char kMutexName[] = "KeyvaneAudioStandIn.Mutex";

void WakeEventName(DWORD pid, char (&name)[64]) {
    std::snprintf(name, sizeof name, "KeyvaneAudioStandIn.Wake.%lu", static_cast<unsigned long>(pid));
}

// Wakes every listening process; a listener whose event is gone has ended
// and gives up its place.
void WakeListeners(State& state) {
    for (DWORD& pid : state.listeners) {
        if (pid == 0) {
            continue;
        }
        char name[64];
        WakeEventName(pid, name);
        HANDLE event = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, name);
        if (event == nullptr) {
            pid = 0;
            continue;
        }
        ::SetEvent(event);
        ::CloseHandle(event);
    }
}

void Announce(State& state, Change change) {
    change.sequence = ++state.sequence;
    state.ring[change.sequence % kRingSize] = change;
    WakeListeners(state);
}

}  // namespace

int DeviceIndex(const wchar_t* id) {
    for (int i = 0; i < kMaxDevices; ++i) {
        if (id != nullptr && std::wcscmp(id, kDeviceIds[i]) == 0) {
            return i;
        }
    }
    return kNoDevice;
}

SharedState::SharedState() {
    m_mutex = ::CreateMutexA(nullptr, FALSE, kMutexName);
    // Made zero-filled by the first process: no devices, nothing announced.
    m_mapping = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(State), kMappingName);
    if (m_mutex != nullptr && m_mapping != nullptr) {
        m_state = static_cast<State*>(::MapViewOfFile(m_mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(State)));
    }
}

SharedState::~SharedState() {
    if (m_state != nullptr) {
        ::UnmapViewOfFile(m_state);
    }
    if (m_mapping != nullptr) {
        ::CloseHandle(m_mapping);
    }
    if (m_mutex != nullptr) {
        ::CloseHandle(m_mutex);
    }
}

// A holder that ended without letting go leaves the mutex abandoned; the
// state is still whole, as every change is written before it is announced.
SharedState::Lock::Lock(const SharedState& shared) : m_mutex(shared.m_mutex), m_state(shared.m_state) {
    ::WaitForSingleObject(m_mutex, INFINITE);
}

SharedState::Lock::~Lock() {
    ::ReleaseMutex(m_mutex);
}

bool ChangeVolume(State& state, int device, float level, bool muted, const GUID& context) {
    Device& d = state.devices[device];
    if (d.level == level && (d.muted != 0) == muted) {
        return false;
    }
    d.level = level;
    d.muted = muted;
    d.lastContext = context;
    Announce(state, Change{0, ChangeKind::Volume, device, level, muted, context});
    return true;
}

void ChangeDefault(State& state, int device) {
    if (state.defaultDevice == device) {
        return;
    }
    state.defaultDevice = device;
    Announce(state, Change{0, ChangeKind::DefaultDevice, device, 0.0f, 0, GUID_NULL});
}

void ChangeDeviceCount(State& state, unsigned count) {
    state.deviceCount = count;
    if (state.defaultDevice >= static_cast<int>(count)) {
        ChangeDefault(state, kNoDevice);
    }
}

HANDLE Listen(State& state) {
    const DWORD pid = ::GetCurrentProcessId();
    char name[64];
    WakeEventName(pid, name);
    HANDLE event = ::CreateEventA(nullptr, FALSE, FALSE, name);
    if (event == nullptr) {
        return nullptr;
    }
    for (DWORD& listener : state.listeners) {
        if (listener == pid) {
            return event;
        }
    }
    for (DWORD& listener : state.listeners) {
        if (listener == 0) {
            listener = pid;
            return event;
        }
    }
    ::CloseHandle(event);
    return nullptr;
}

uint32_t ChangesSince(const State& state, uint32_t* lastSeen, Change (&changes)[kRingSize]) {
    uint32_t first = *lastSeen + 1;
    // A listener that fell a whole ring behind misses the oldest changes.
    if (state.sequence - *lastSeen > kRingSize) {
        first = state.sequence - kRingSize + 1;
    }
    uint32_t count = 0;
    for (uint32_t sequence = first; sequence != state.sequence + 1; ++sequence) {
        changes[count++] = state.ring[sequence % kRingSize];
    }
    *lastSeen = state.sequence;
    return count;
}

}  // namespace audio_stand_in
