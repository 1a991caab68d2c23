// The stand-in audio endpoint's state, one for every process of the Wine
// prefix: a named file mapping guarded by a named mutex holds the devices,
// their levels and mute, and a ring of recent changes that each process's
// notifier thread hands to that process's own callbacks. The stand-in DLL
// and the test program both change it through these functions.
#pragma once

#include <windows.h>

#include <cstdint>

namespace audio_stand_in {

constexpr int kMaxDevices = 2;
constexpr int kNoDevice = -1;
constexpr unsigned kChannels = 2;
constexpr uint32_t kRingSize = 64;
constexpr int kMaxListeners = 16;

// The endpoint ids, shaped as Windows' own render endpoints are.
extern const wchar_t* const kDeviceIds[kMaxDevices];
// The index of `id` among kDeviceIds, or kNoDevice.
int DeviceIndex(const wchar_t* id);

struct Device {
    float level;       // 0 to 1
    int32_t muted;
    int32_t refuses;   // every change through the interface fails and changes nothing
    uint32_t setCount;  // changes asked for through the interface that succeeded
    GUID lastContext;  // the event context of the last change of level or mute
};

enum class ChangeKind : uint32_t { Volume = 1, DefaultDevice = 2 };

struct Change {
    uint32_t sequence;
    ChangeKind kind;
    int32_t device;  // whose volume changed, or the new default device (kNoDevice: none)
    float level;
    int32_t muted;
    GUID context;
};

struct State {
    uint32_t deviceCount;  // the devices present are the first deviceCount of kDeviceIds
    int32_t defaultDevice;
    Device devices[kMaxDevices];
    uint32_t sequence;  // of the last change announced
    Change ring[kRingSize];
    DWORD listeners[kMaxListeners];  // processes whose notifier thread waits for changes
};

// The state's mapping and mutex, opened (made by the first process) for as
// long as this lives. A fresh state has no devices.
class SharedState {
public:
    SharedState();
    ~SharedState();
    SharedState(const SharedState&) = delete;
    SharedState& operator=(const SharedState&) = delete;

    bool IsOpen() const { return m_state != nullptr; }

    // Holds the mutex; the state may be read and changed while it lives.
    class Lock {
    public:
        explicit Lock(const SharedState& shared);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
        State& operator*() const { return *m_state; }
        State* operator->() const { return m_state; }

    private:
        HANDLE m_mutex;
        State* m_state;
    };

private:
    HANDLE m_mapping = nullptr;
    HANDLE m_mutex = nullptr;
    State* m_state = nullptr;
};

// Each of these is called with the lock held; a change is announced to every
// listening process only when something changed.
// Sets a present device's level and mute with the changer's context; whether it changed.
bool ChangeVolume(State& state, int device, float level, bool muted, const GUID& context);
void ChangeDefault(State& state, int device);
// How many devices are present; a default device that goes becomes none.
void ChangeDeviceCount(State& state, unsigned count);

// Makes this process a listener: the returned auto-reset event is set at
// every change announced from then on, by any process.
HANDLE Listen(State& state);
// The changes announced after `*lastSeen` (those still in the ring), oldest
// first, into `changes`; their number. `*lastSeen` becomes the latest.
uint32_t ChangesSince(const State& state, uint32_t* lastSeen, Change (&changes)[kRingSize]);

}  // namespace audio_stand_in
