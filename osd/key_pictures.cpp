#include "app/tamber_view.h"
#include "framework/diagnostics.h"
#include "framework/stage_stamps.h"
#include "osd/popup_place.h"

namespace {

constexpr UINT kVolumeDelayMs = 100;

// The popups stand this far left of and above the corner of the full-screen
// client area: key pictures (32 x 32) and the wider volume strip (96 x 32).
constexpr PopupPoint kKeyPictureOffset{60, 20};
constexpr PopupPoint kKeyPictureSize{32, 32};
constexpr PopupPoint kVolumeOffset{110, 30};
constexpr PopupPoint kVolumeSize{96, 32};
constexpr RECT kCreationRect{0, 0, 100, 100};

void ShowAtCorner(CPictureWnd& popup, PopupPoint offset, PopupPoint size) {
    const PopupPoint corner{::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN)};
    const PopupArea screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    const PopupPoint place = PlacePopup(corner, offset, size, screen);
    // No size yet: the first frame gives the popup its size and shape.
    ::SetWindowPos(popup.m_hWnd, nullptr, place.x, place.y, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(popup.m_hWnd, SW_SHOWNA);
}

}  // namespace

void CTamberView::ShowKeyPicture(const char* name, int frameHeight) {
    framework::Trace("picture %s %d", name, frameHeight);
    framework::StampStage(framework::Stage::kPictureShowing);
    if (m_pPictureWnd && m_pPictureWnd->IsOpen()) {
        m_pPictureWnd->DestroyWindow();
    }
    const HWND active = ::GetActiveWindow();
    m_pPictureWnd = std::make_unique<CPictureWnd>();
    if (m_pPictureWnd->CreateKeyPicture(kCreationRect, name, frameHeight)) {
        ShowAtCorner(*m_pPictureWnd, kKeyPictureOffset, kKeyPictureSize);
    }
    if (active != nullptr && ::IsWindow(active)) {
        ::SetActiveWindow(active);
    }
    framework::StampStage(framework::Stage::kPictureShown);
}

void CTamberView::RequestVolumeDisplay(int level) {
    framework::Trace("volume level %d", level);
    m_nPendingLevel = level;
    ::SetTimer(m_hWnd, kTimerVolumeDisplay, kVolumeDelayMs, nullptr);
}

void CTamberView::ShowVolumeDisplay() {
    ::KillTimer(m_hWnd, kTimerVolumeDisplay);
    if (m_pPictureWnd && m_pPictureWnd->IsOpen()) {
        if (m_pPictureWnd->ShowsVolume()) {
            m_pPictureWnd->SetVolumeLevel(m_nPendingLevel);
            return;
        }
        // A key picture still playing gives way, so the level is always shown whole.
        m_pPictureWnd->DestroyWindow();
    }
    m_pPictureWnd = std::make_unique<CPictureWnd>();
    if (m_pPictureWnd->CreateVolumeLevel(kCreationRect, m_nPendingLevel)) {
        ShowAtCorner(*m_pPictureWnd, kVolumeOffset, kVolumeSize);
    }
}
