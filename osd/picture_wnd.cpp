#include "osd/picture_wnd.h"

#include "osd/frame_mask.h"

#include <vector>

namespace {

enum PopupTimer : UINT {
    kTimerFirstFrame = 0,   // 20 ms after creation: load the strip, show frame 0
    kTimerNextFrame = 1,    // every 300 ms: the next frame
    kTimerLoadLevel = 2,    // 20 ms after a level request: show that level
    kTimerCloseLevel = 3,   // 800 ms after the last level: close
};

constexpr UINT kFrameDelayMs = 20;
constexpr UINT kFramePeriodMs = 300;
constexpr UINT kLevelShownMs = 800;
constexpr int kVolumeFrameHeight = 32;
constexpr char kVolumeStrip[] = "Volume";

// The strip as 32-bit pixels, top row first, for reading and writing back.
struct StripPixels {
    BITMAPINFO info{};
    std::vector<std::uint32_t> pixels;
};

bool ReadStrip(HDC dc, HBITMAP bitmap, int width, int height, StripPixels* strip) {
    strip->info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    strip->info.bmiHeader.biWidth = width;
    strip->info.bmiHeader.biHeight = -height;
    strip->info.bmiHeader.biPlanes = 1;
    strip->info.bmiHeader.biBitCount = 32;
    strip->info.bmiHeader.biCompression = BI_RGB;
    strip->pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    return ::GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), strip->pixels.data(), &strip->info,
                       DIB_RGB_COLORS) == height;
}

// A region made of the mask's kept pixels, one rectangle per run in a row.
HRGN RegionOfKeptPixels(const FrameMask& mask) {
    std::vector<RECT> runs;
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width;) {
            if (mask.IsRemoved(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < mask.width && !mask.IsRemoved(x, y)) {
                ++x;
            }
            runs.push_back(RECT{start, y, x, y + 1});
        }
    }
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(runs.size());
    header->rcBound = RECT{0, 0, mask.width, mask.height};
    std::copy(runs.begin(), runs.end(), reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER)));
    return ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
}

}  // namespace

const framework::MessageMap& CPictureWnd::ThisMessageMap() {
    static const framework::MessageEntry entries[] = {
        framework::OnMessage<&CPictureWnd::OnCreate>(WM_CREATE),
        framework::OnMessage<&CPictureWnd::OnEraseBkgnd>(WM_ERASEBKGND),
        framework::OnMessage<&CPictureWnd::OnPaint>(WM_PAINT),
        framework::OnMessage<&CPictureWnd::OnTimer>(WM_TIMER),
    };
    static const framework::MessageMap map = framework::MakeMessageMap(&CWnd::ThisMessageMap(), entries);
    return map;
}

BOOL CPictureWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    // Created hidden; shown without activation once it is in its corner.
    cs.style = static_cast<LONG>(WS_POPUP);
    cs.dwExStyle |= WS_EX_TOOLWINDOW;
    return CWnd::PreCreateWindow(cs);
}

BOOL CPictureWnd::CreatePopup(const RECT& rect) {
    const LPCSTR className = RegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW));
    return className != nullptr && CreateEx(0, className, "", WS_POPUP | WS_VISIBLE, rect.left, rect.top,
                                            rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr);
}

BOOL CPictureWnd::CreateKeyPicture(const RECT& rect, const char* name, int frameHeight) {
    m_strPictureName = name;
    m_nFrameHeight = frameHeight;
    m_bVolume = false;
    if (!CreatePopup(rect)) {
        return FALSE;
    }
    return ::SetTimer(m_hWnd, kTimerFirstFrame, kFrameDelayMs, nullptr) != 0;
}

BOOL CPictureWnd::CreateVolumeLevel(const RECT& rect, int level) {
    m_nFrameHeight = kVolumeFrameHeight;
    m_nOffset = level * kVolumeFrameHeight;
    m_bVolume = true;
    if (!CreatePopup(rect)) {
        return FALSE;
    }
    return ::SetTimer(m_hWnd, kTimerLoadLevel, kFrameDelayMs, nullptr) != 0;
}

BOOL CPictureWnd::SetVolumeLevel(int level) {
    m_nFrameHeight = kVolumeFrameHeight;
    m_nOffset = level * kVolumeFrameHeight;
    return ::SetTimer(m_hWnd, kTimerLoadLevel, kFrameDelayMs, nullptr) != 0;
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
            m_nOffset = 0;
            LoadPicture();
            if (IsOpen()) {
                ::SetTimer(m_hWnd, kTimerNextFrame, kFramePeriodMs, nullptr);
            }
            break;
        case kTimerNextFrame:
            ::KillTimer(m_hWnd, kTimerNextFrame);
            ::SetTimer(m_hWnd, kTimerNextFrame, kFramePeriodMs, nullptr);
            NextFrame();
            break;
        case kTimerLoadLevel:
            ::KillTimer(m_hWnd, kTimerLoadLevel);
            m_strPictureName = kVolumeStrip;
            LoadPicture();
            if (IsOpen()) {
                ::SetTimer(m_hWnd, kTimerCloseLevel, kLevelShownMs, nullptr);
            }
            break;
        case kTimerCloseLevel:
            ::KillTimer(m_hWnd, kTimerCloseLevel);
            DestroyWindow();
            break;
        default:
            break;
    }
    if (IsOpen()) {
        Default();
    }
}

void CPictureWnd::LoadPicture() {
    m_bitmap = framework::LoadBitmapResource(m_strPictureName.c_str());
    if (!m_bitmap) {
        // A name without a picture shows nothing and leaves no window behind.
        DestroyWindow();
        return;
    }
    Redraw();
}

void CPictureWnd::NextFrame() {
    m_nOffset += m_nFrameHeight;
    if (m_nOffset >= m_nBitmapHeight) {
        ::KillTimer(m_hWnd, kTimerNextFrame);
        DestroyWindow();
        return;
    }
    Redraw();
}

void CPictureWnd::Redraw() {
    const HDC dc = ::GetDC(m_hWnd);
    BuildFrameRegion(dc);
    ::ReleaseDC(m_hWnd, dc);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CPictureWnd::BuildFrameRegion(HDC dc) {
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    BITMAP info{};
    ::GetObjectA(m_bitmap.get(), sizeof info, &info);
    const int width = info.bmWidth;
    m_nBitmapHeight = info.bmHeight;
    const int height = m_nFrameHeight;

    StripPixels strip;
    if (!ReadStrip(dc, m_bitmap.get(), width, m_nBitmapHeight, &strip)) {
        return;
    }
    const auto pixel = [&](int x, int y) {
        return strip.pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] &
               0xFFFFFFu;
    };
    const FrameMask mask = BuildFrameMask(width, m_nBitmapHeight, m_nOffset, height, pixel);
    // Bring the frame's shown pixels up to the top band, which painting copies;
    // the key-colour pixels stay behind and the region hides them.
    for (int y = 0; y < height && y < m_nBitmapHeight; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!mask.IsRemoved(x, y)) {
                strip.pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
                    strip.pixels[static_cast<size_t>(m_nOffset + y) * static_cast<size_t>(width) +
                                 static_cast<size_t>(x)];
            }
        }
    }
    ::SetDIBits(dc, m_bitmap.get(), 0, static_cast<UINT>(m_nBitmapHeight), strip.pixels.data(), &strip.info,
                DIB_RGB_COLORS);
    // The window owns the region from here on.
    ::SetWindowRgn(m_hWnd, RegionOfKeptPixels(mask), TRUE);
    ::MoveWindow(m_hWnd, window.left, window.top, width, height, TRUE);
}

BOOL CPictureWnd::OnEraseBkgnd(HDC dc) {
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    framework::DrawBitmap(dc, m_bitmap.get(), window.right - window.left, window.bottom - window.top);
    return TRUE;
}

void CPictureWnd::OnPaint() {
    PAINTSTRUCT paint;
    ::BeginPaint(m_hWnd, &paint);
    ::EndPaint(m_hWnd, &paint);
}
