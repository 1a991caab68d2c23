#include "dispatch/key_command_dispatcher.h"
#include "dispatch/version_sets.h"
#include "dispatch/virtual_keys.h"
#include "dispatch/volume_step.h"

void CKeyCommandDispatcher::Volume(const char* picture, unsigned vk) {
    if (ShowsVolumeLevel(m_nOsKind)) {
        // The system changed the volume itself; the strip shows the mixer's
        // level. A failed read shows the level last read.
        m_desktop.GetVolume(m_state.dwVolume);
        m_desktop.RequestVolumeDisplay(m_state.dwVolume);
        return;
    }
    if (m_nOsKind == kOsVista && DeviceVolume(vk == kVkVolumeUp, vk)) {
        return;
    }
    Picture(picture);
}

bool CKeyCommandDispatcher::DeviceVolume(bool up, unsigned vk) {
    const bool taken = m_desktop.TakesVolumeKeys();
    std::uint32_t volume = 0;
    if (!m_desktop.GetVolume(volume)) {
        // No playback device; one that went after the hook took the key
        // leaves the key to Windows all the same, so that it is not lost.
        if (taken) {
            PassKeyToWindows(vk);
        }
        return false;
    }
    if (taken) {
        // As Windows' own keys do, a volume key on a muted device unmutes it.
        std::uint32_t muted = 0;
        const std::uint32_t stepped = VolumeOfPercent(StepVolumePercent(volume, up));
        const bool unmuted = !m_desktop.GetMute(muted) || muted == 0 || m_desktop.SetMute(0);
        if (!unmuted || !m_desktop.SetVolume(stepped)) {
            PassKeyToWindows(vk);
            return false;
        }
        volume = stepped;
        m_state.bMute = 0;
    }
    // Where Windows sets the level, its change shows the strip again as it lands.
    m_state.dwVolume = volume;
    m_desktop.RequestVolumeDisplay(volume);
    return true;
}

void CKeyCommandDispatcher::Mute() {
    if (m_nOsKind == kOsVista && m_desktop.TakesVolumeKeys()) {
        std::uint32_t muted = 0;
        if (m_desktop.GetMute(muted) && m_desktop.SetMute(muted == 0 ? 1 : 0)) {
            m_state.bMute = muted == 0 ? 1 : 0;
            Picture(m_state.bMute != 0 ? "Mute" : "UnMute");
            return;
        }
        PassKeyToWindows(kVkVolumeMute);
    }
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

void CKeyCommandDispatcher::PassKeyToWindows(unsigned vk) {
    m_desktop.SendKeys({{vk, false, true}, {vk, true, true}});
}

void CKeyCommandDispatcher::VolumeChangedElsewhere(std::uint32_t volume, std::uint32_t muted) {
    const bool muteSwitched = (muted != 0) != (m_state.bMute != 0);
    m_state.dwVolume = volume;
    m_state.bMute = muted != 0 ? 1 : 0;
    if (muteSwitched) {
        Picture(muted != 0 ? "Mute" : "UnMute");
    } else {
        m_desktop.RequestVolumeDisplay(volume);
    }
}
