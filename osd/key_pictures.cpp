#include "app/tamber_view.h"
#include "dispatch/volume_step.h"
#include "framework/diagnostics.h"
#include "framework/stage_stamps.h"

namespace {

constexpr UINT kVolumeDelayMs = 100;

// The popups stand this far left of and above the corner of the full-screen
// client area: key pictures (32 x 32 at 100 %) and the wider volume strip (96 x 32).
constexpr PopupPoint kKeyPictureOffset{60, 20};
constexpr PopupPoint kVolumeOffset{110, 30};

}  // namespace

// The popup is shown without activation, so the window in front stays in front.
void CTamberView::ShowKeyPicture(const char* name, int frameHeight) {
    framework::Trace("picture %s %d", name, frameHeight);
    framework::StampStage(framework::Stage::kPictureShowing);
    m_pictures.PlayKeyPicture(name, frameHeight, kKeyPictureOffset);
    framework::StampStage(framework::Stage::kPictureShown);
}

void CTamberView::RequestVolumeDisplay(std::uint32_t volume) {
    framework::Trace("volume level %d", VolumeFrame(volume));
    m_dwPendingVolume = volume;
    ::SetTimer(m_hWnd, kTimerVolumeDisplay, kVolumeDelayMs, nullptr);
}

void CTamberView::ShowVolumeDisplay() {
    ::KillTimer(m_hWnd, kTimerVolumeDisplay);
    m_pictures.ShowVolumeLevel(m_dwPendingVolume, kVolumeOffset);
}
