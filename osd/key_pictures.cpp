#include "app/tamber_view.h"
#include "framework/diagnostics.h"

namespace {

constexpr UINT kVolumeDelayMs = 100;

// The popups stand this far left of and above the corner of the full-screen
// client area: key pictures (32 x 32) and the wider volume strip (96 x 32).
constexpr POINT kKeyPictureOffset{60, 20};
constexpr POINT kVolumeOffset{110, 30};
constexpr RECT kCreationRect{0, 0, 100, 100};

void ShowAtCorner(CPictureWnd& popup, POINT offset) {
    const int cx = ::GetSystemMetrics(SM_CXFULLSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYFULLSCREEN);
    // No size yet: the first frame gives the popup its size and shape.
    ::SetWindowPos(popup.m_hWnd, nullptr, cx - offset.x, cy - offset.y, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(popup.m_hWnd, SW_SHOWNA);
}

}  // namespace

void CTamberView::ShowKeyPicture(const char* name, int frameHeight) {
    framework::Trace("picture %s %d", name, frameHeight);
    if (m_pPictureWnd && m_pPictureWnd->IsOpen()) {
        m_pPictureWnd->DestroyWindow();
    }
    const HWND active = ::GetActiveWindow();
    m_pPictureWnd = std::make_unique<CPictureWnd>();
    if (m_pPictureWnd->CreateKeyPicture(kCreationRect, name, frameHeight)) {
        ShowAtCorner(*m_pPictureWnd, kKeyPictureOffset);
    }
    if (active != nullptr && ::IsWindow(active)) {
        ::SetActiveWindow(active);
    }
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
        ShowAtCorner(*m_pPictureWnd, kVolumeOffset);
    }
}
