#include "osd/picture_wnd.h"

#include "dispatch/volume_step.h"
#include "framework/stage_stamps.h"
#include "osd/picture_monitor.h"
#include "osd/picture_text.h"

namespace {

enum PopupTimer : UINT {
    kTimerFirstFrame = 0,   // 20 ms after a key picture is asked for: show frame 0
    kTimerNextFrame = 1,    // every 300 ms: the next frame
    kTimerLoadLevel = 2,    // 20 ms after a level request: show that level
    kTimerCloseLevel = 3,   // 800 ms after the last level: hide
};

constexpr UINT kFrameDelayMs = 20;
constexpr UINT kFramePeriodMs = 300;
constexpr UINT kLevelShownMs = 800;
constexpr int kVolumeFrameHeight = 32;
constexpr char kVolumeStrip[] = "Volume";
constexpr RECT kCreationRect{0, 0, 100, 100};

}  // namespace

const framework::MessageMap& CPictureWnd::ThisMessageMap() {
    static const framework::MessageEntry entries[] = {
        framework::OnMessage<&CPictureWnd::OnCreate>(WM_CREATE),
        framework::OnMessage<&CPictureWnd::OnEraseBkgnd>(WM_ERASEBKGND),
        framework::OnMessage<&CPictureWnd::OnPaint>(WM_PAINT),
        framework::OnMessage<&CPictureWnd::OnTimer>(WM_TIMER),
        framework::OnMessage<&CPictureWnd::OnDisplayChange>(WM_DISPLAYCHANGE),
        framework::OnMessage<&CPictureWnd::OnDisplayChange>(WM_DPICHANGED),
    };
    static const framework::MessageMap map = framework::MakeMessageMap(&CWnd::ThisMessageMap(), entries);
    return map;
}

BOOL CPictureWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    // Created hidden; shown without activation once its first frame is cut.
    cs.style = static_cast<LONG>(WS_POPUP);
    cs.dwExStyle |= WS_EX_TOOLWINDOW;
    return CWnd::PreCreateWindow(cs);
}

BOOL CPictureWnd::PlayKeyPicture(const char* name, int frameHeight, PopupPoint offset) {
    if (!Prepare(Shows::kKeyPicture, offset)) {
        return FALSE;
    }
    m_strPictureName = name;
    m_strText = KeyPictureText(name);
    m_nFrameHeight = frameHeight;
    return ::SetTimer(m_hWnd, kTimerFirstFrame, kFrameDelayMs, nullptr) != 0;
}

BOOL CPictureWnd::ShowVolumeLevel(std::uint32_t volume, PopupPoint offset) {
    // A volume popup already up keeps its 800 ms running until the new level is shown.
    if (m_shows != Shows::kVolume && !Prepare(Shows::kVolume, offset)) {
        return FALSE;
    }
    m_nFrameHeight = kVolumeFrameHeight;
    m_nFrame = VolumeFrame(volume);
    m_strText = VolumeText(volume);
    return ::SetTimer(m_hWnd, kTimerLoadLevel, kFrameDelayMs, nullptr) != 0;
}

BOOL CPictureWnd::CreatePopup() {
    const LPCSTR className = RegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW));
    if (className == nullptr ||
        !CreateEx(0, className, "", WS_POPUP | WS_VISIBLE, kCreationRect.left, kCreationRect.top,
                  kCreationRect.right - kCreationRect.left, kCreationRect.bottom - kCreationRect.top, nullptr,
                  nullptr)) {
        return FALSE;
    }
    m_name.Attach(m_hWnd);
    return TRUE;
}

BOOL CPictureWnd::Prepare(Shows shows, PopupPoint offset) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    // What is up goes at once; the new picture comes on its timer.
    Hide();
    m_shows = shows;
    m_offset = offset;
    return TRUE;
}

int CPictureWnd::OnCreate(LPCREATESTRUCTA) {
    if (Default() == -1) {
        return -1;
    }
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return 0;
}

void CPictureWnd::OnTimer(UINT id) {
    switch (id) {
        case kTimerFirstFrame:
            ::KillTimer(m_hWnd, kTimerFirstFrame);
            m_nFrame = 0;
            ShowStrip(m_strPictureName);
            if (m_shows != Shows::kNothing) {
                ::SetTimer(m_hWnd, kTimerNextFrame, kFramePeriodMs, nullptr);
            }
            break;
        case kTimerNextFrame:
            ::KillTimer(m_hWnd, kTimerNextFrame);
            ::SetTimer(m_hWnd, kTimerNextFrame, kFramePeriodMs, nullptr);
            ++m_nFrame;
            if (m_pStrip == nullptr || static_cast<size_t>(m_nFrame) >= m_pStrip->frames.size()) {
                Hide();
            } else {
                ShowFrame();
            }
            break;
        case kTimerLoadLevel:
            ::KillTimer(m_hWnd, kTimerLoadLevel);
            ShowStrip(kVolumeStrip);
            framework::StampStage(framework::Stage::kLevelShown);
            if (m_shows != Shows::kNothing) {
                ::SetTimer(m_hWnd, kTimerCloseLevel, kLevelShownMs, nullptr);
            }
            break;
        case kTimerCloseLevel:
            Hide();
            break;
        default:
            break;
    }
    Default();
}

void CPictureWnd::ShowStrip(const std::string& name) {
    // One look at the monitors per picture, so its size and its place agree;
    // a volume popup already up keeps both.
    if (!::IsWindowVisible(m_hWnd)) {
        m_spot = NextPictureSpot();
    }
    m_pStrip = m_strips.Find(name, m_nFrameHeight, m_spot.dpi);
    if (m_pStrip == nullptr) {
        // A name without a picture shows nothing.
        Hide();
        return;
    }
    // Told before the picture shows, so a reader that looks at it on its
    // appearing finds the new text.
    m_name.Set(m_strText);
    ShowFrame();
}


void CPictureWnd::ShowFrame() {
    // The window owns the region it is given: hand it a copy of the strip's.
    const HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    if (m_nFrame >= 0 && static_cast<size_t>(m_nFrame) < m_pStrip->frames.size()) {
        ::CombineRgn(region, m_pStrip->frames[static_cast<size_t>(m_nFrame)].get(), nullptr, RGN_COPY);
    }
    ::SetWindowRgn(m_hWnd, region, TRUE);
    // The first frame places the popup and brings it to the top of the topmost
    // band; later ones leave it there. The screen's metrics are read here, on
    // the popup's timer, not while the key that asked for the picture waits.
    const bool first = !::IsWindowVisible(m_hWnd);
    if (first) {
        m_place = PlacePicture(m_spot, m_offset, {m_pStrip->width, m_pStrip->frameHeight});
    }
    const UINT order = first ? 0 : SWP_NOZORDER;
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, m_place.x, m_place.y, m_pStrip->width, m_pStrip->frameHeight,
                   order | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CPictureWnd::OnDisplayChange() {
    // A monitor gone, rearranged or set to another scale under a picture on
    // screen: the picture moves to where the next one would stand, so it never
    // stays on a monitor that is no longer there, nor off its corner.
    if (::IsWindowVisible(m_hWnd) && m_pStrip != nullptr) {
        m_spot = NextPictureSpot();
        m_place = PlacePicture(m_spot, m_offset, {m_pStrip->width, m_pStrip->frameHeight});
        ::SetWindowPos(m_hWnd, nullptr, m_place.x, m_place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Default();
}

void CPictureWnd::Hide() {
    for (UINT timer : {kTimerFirstFrame, kTimerNextFrame, kTimerLoadLevel, kTimerCloseLevel}) {
        ::KillTimer(m_hWnd, timer);
    }
    if (::IsWindowVisible(m_hWnd)) {
        ::ShowWindow(m_hWnd, SW_HIDE);
    }
    m_shows = Shows::kNothing;
    m_pStrip = nullptr;
}

BOOL CPictureWnd::OnEraseBkgnd(HDC dc) {
    if (m_pStrip != nullptr) {
        RECT window{};
        ::GetWindowRect(m_hWnd, &window);
        framework::DrawBitmap(dc, m_pStrip->bitmap.get(), window.right - window.left, window.bottom - window.top, 0,
                              0, m_nFrame * m_pStrip->frameHeight);
    }
    return TRUE;
}

void CPictureWnd::OnPaint() {
    PAINTSTRUCT paint;
    ::BeginPaint(m_hWnd, &paint);
    ::EndPaint(m_hWnd, &paint);
}
