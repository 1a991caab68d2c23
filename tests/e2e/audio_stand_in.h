// The stand-in audio endpoint, for one case: registered in the prefix as the
// audio device enumerator's in-process server while this lives (every
// process started afterwards that asks for the enumerator loads it), with a
// scene the case sets and reads from outside, as Windows' own mixer or a
// headset would. Wine's own registration comes back at the end.
#pragma once

#include "tests/e2e/audio_stand_in/shared_state.h"
#include "tests/e2e/registry_fixture.h"

#include <windows.h>


namespace e2e {

class AudioStandIn {
public:
    enum DeviceIndex { kSpeakers = 0, kHeadphones = 1 };
    // "{0.0.0.00000000}.{stand-in-speakers}" and "{0.0.0.00000000}.{stand-in-headphones}".
    static const wchar_t* DeviceId(int device);
    // The context of every change made "from elsewhere" by this helper.
    static const GUID kElsewhere;

    // The scene at the start: the speakers alone, the default, at 50 %, not
    // muted, taking changes, none counted.
    AudioStandIn();
    ~AudioStandIn();
    AudioStandIn(const AudioStandIn&) = delete;
    AudioStandIn& operator=(const AudioStandIn&) = delete;

    // `count` devices present (0, 1 or 2: the speakers, then the headphones);
    // a default device that goes becomes none. A new default is announced.
    void SetDevices(unsigned count);
    void SetDefault(int device);  // a present device, or audio_stand_in::kNoDevice
    // Whether the device's interface refuses every change (E_ACCESSDENIED).
    void SetRefuses(int device, bool refuses);
    // A change of level and mute made by another program, announced with kElsewhere.
    void ChangeFromElsewhere(int device, float level, bool muted);

    float Level(int device) const;
    bool Muted(int device) const;
    // Changes asked for through the interface that succeeded (not those from elsewhere).
    unsigned SetCount(int device) const;
    GUID LastContext(int device) const;
    // The number of changes announced so far, for waiting until the next.
    uint32_t Sequence() const;

private:
    audio_stand_in::Device Read(int device) const;

    // Made before the registration's values are overridden, gone after they are put back.
    struct ClassKey {
        ClassKey();
        ~ClassKey();
        bool existed;
    };
    ClassKey m_classKey;
    ValueOverride m_server;
    ValueOverride m_threadingModel;
    audio_stand_in::SharedState m_shared;
};

}  // namespace e2e
