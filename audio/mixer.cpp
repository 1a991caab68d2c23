#include "app/tamber_view.h"

// Until the mixer is wired up the program behaves as on a machine without a
// mixer device: the open succeeds with no handle and every read or write fails.
BOOL CTamberView::OpenMixer() {
    m_hMixer = nullptr;
    return TRUE;
}

BOOL CTamberView::FindVolumeControl() {
    return FALSE;
}

BOOL CTamberView::FindMuteControl() {
    return FALSE;
}

BOOL CTamberView::GetVolume(DWORD*) {
    return FALSE;
}

BOOL CTamberView::GetMute(DWORD*) {
    return FALSE;
}

BOOL CTamberView::SetMute(DWORD) {
    return FALSE;
}
