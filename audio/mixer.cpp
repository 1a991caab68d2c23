// The speakers' volume and mute: the first mixer's speakers line on releases
// before 6.0, the default playback device's endpoint from 6.0 on.
#include "app/globals.h"
#include "app/key_intake.h"
#include "app/os_kind.h"
#include "app/tamber_view.h"

namespace {

constexpr DWORD kSpeakersLine = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;

// One uniform 32-bit value for all channels of a control.
bool ControlValue(HMIXER mixer, DWORD controlId, DWORD* value, bool write) {
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = controlId;
    details.cChannels = 1;
    details.cMultipleItems = 0;
    details.cbDetails = sizeof(DWORD);
    details.paDetails = value;
    const HMIXEROBJ object = reinterpret_cast<HMIXEROBJ>(mixer);
    return (write ? ::mixerSetControlDetails(object, &details, MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE)
                  : ::mixerGetControlDetailsA(object, &details,
                                              MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE)) ==
           MMSYSERR_NOERROR;
}

bool FindSpeakersControl(HMIXER mixer, DWORD controlType, DWORD* controlId) {
    if (mixer == nullptr) {
        return false;
    }
    const HMIXEROBJ object = reinterpret_cast<HMIXEROBJ>(mixer);
    MIXERLINEA line{};
    line.cbStruct = sizeof line;
    line.dwComponentType = kSpeakersLine;
    if (::mixerGetLineInfoA(object, &line, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) !=
        MMSYSERR_NOERROR) {
        return false;
    }
    MIXERCONTROLA control{};
    control.cbStruct = sizeof control;
    MIXERLINECONTROLSA controls{};
    controls.cbStruct = sizeof controls;
    controls.dwLineID = line.dwLineID;
    controls.dwControlType = controlType;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof control;
    controls.pamxctrl = &control;
    if (::mixerGetLineControlsA(object, &controls, MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
        MMSYSERR_NOERROR) {
        return false;
    }
    *controlId = control.dwControlID;
    return true;
}

// A control whose lookup failed keeps kNoMixerControl, and is then treated as
// missing rather than read under an identifier that may name another control.
bool ReadControl(HMIXER mixer, DWORD controlId, DWORD* out) {
    DWORD value = 0;
    if (mixer == nullptr || controlId == kNoMixerControl || !ControlValue(mixer, controlId, &value, false)) {
        return false;
    }
    *out = value;
    return true;
}

bool UsesEndpoint() {
    return g_nOsKind == kOsVista;
}

}  // namespace

BOOL CTamberView::OpenMixer() {
    m_hMixer = nullptr;
    if (UsesEndpoint()) {
        return m_endpointVolume.Open(m_hWnd, kMsgVolumeChanged, kMsgDefaultDeviceChanged);
    }
    if (::mixerGetNumDevs() == 0) {
        return TRUE;
    }
    if (::mixerOpen(&m_hMixer, 0, reinterpret_cast<DWORD_PTR>(m_hWnd), 0, CALLBACK_WINDOW) != MMSYSERR_NOERROR) {
        m_hMixer = nullptr;
        return FALSE;
    }
    MIXERCAPSA caps{};
    return ::mixerGetDevCapsA(reinterpret_cast<UINT_PTR>(m_hMixer), &caps, sizeof caps) == MMSYSERR_NOERROR;
}

BOOL CTamberView::FindVolumeControl() {
    return UsesEndpoint() || FindSpeakersControl(m_hMixer, MIXERCONTROL_CONTROLTYPE_VOLUME, &m_dwVolumeControlID);
}

BOOL CTamberView::FindMuteControl() {
    return UsesEndpoint() || FindSpeakersControl(m_hMixer, MIXERCONTROL_CONTROLTYPE_MUTE, &m_dwMuteControlID);
}

BOOL CTamberView::GetVolume(DWORD* volume) {
    return UsesEndpoint() ? m_endpointVolume.GetVolume(volume) : ReadControl(m_hMixer, m_dwVolumeControlID, volume);
}

BOOL CTamberView::GetMute(DWORD* mute) {
    return UsesEndpoint() ? m_endpointVolume.GetMute(mute) : ReadControl(m_hMixer, m_dwMuteControlID, mute);
}

BOOL CTamberView::SetVolume(DWORD volume) {
    return UsesEndpoint() && m_endpointVolume.SetVolume(volume);
}

BOOL CTamberView::SetMute(DWORD mute) {
    if (UsesEndpoint()) {
        return m_endpointVolume.SetMute(mute);
    }
    return m_hMixer != nullptr && m_dwMuteControlID != kNoMixerControl &&
           ControlValue(m_hMixer, m_dwMuteControlID, &mute, true);
}
