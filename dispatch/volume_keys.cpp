#include "dispatch/key_command_dispatcher.h"
#include "dispatch/version_sets.h"

#include <algorithm>

namespace {

// The mixer's range 0..65535 over the 26 frames of the level strip.
constexpr std::uint32_t kVolumePerLevel = 2621;
constexpr std::uint32_t kTopLevel = 25;

}  // namespace

void CKeyCommandDispatcher::Volume(const char* picture) {
    if (!ShowsVolumeLevel(m_nOsKind)) {
        Picture(picture);
        return;
    }
    // The program never changes the volume itself; it shows the mixer's level.
    // A failed read shows the level last read. A mixer that reports more than
    // its documented range still gets the top frame rather than one past the strip.
    m_desktop.GetVolume(m_state.dwVolume);
    m_desktop.RequestVolumeDisplay(static_cast<int>(std::min(m_state.dwVolume / kVolumePerLevel, kTopLevel)));
}

void CKeyCommandDispatcher::Mute() {
    if (SystemHandlesMediaKeys(m_nOsKind)) {
        // The system switched mute itself; show the state it has now.
        m_desktop.GetMute(m_state.bMute);
    } else {
        // The program's own idea of the state, switched whatever the mixer answers.
        m_state.bMute = m_state.bMute == 0 ? 1 : 0;
        m_desktop.SetMute(m_state.bMute);
    }
    Picture(m_state.bMute != 0 ? "Mute" : "UnMute");
}
