#include "osd/startup_picture.h"

#include "framework/win_app.h"
#include "osd/picture_dpi.h"
#include "osd/scaled_drawing.h"
#include "res/resource.h"

namespace {

constexpr UINT kHideTimer = 1;
constexpr UINT kShownMs = 1750;

}  // namespace

BOOL CStartupPictureWnd::s_bEnabled = FALSE;
std::unique_ptr<CStartupPictureWnd> CStartupPictureWnd::s_pInstance;

const framework::MessageMap& CStartupPictureWnd::ThisMessageMap() {
    static const framework::MessageEntry entries[] = {
        framework::OnMessage<&CStartupPictureWnd::OnCreate>(WM_CREATE),
        framework::OnMessage<&CStartupPictureWnd::OnPaint>(WM_PAINT),
        framework::OnMessage<&CStartupPictureWnd::OnTimer>(WM_TIMER),
    };
    static const framework::MessageMap map = framework::MakeMessageMap(&CWnd::ThisMessageMap(), entries);
    return map;
}

void CStartupPictureWnd::EnableStartupPicture(BOOL enable) {
    s_bEnabled = enable;
}

void CStartupPictureWnd::ShowStartupPicture(framework::CWnd* parent) {
    if (!s_bEnabled || s_pInstance) {
        return;
    }
    s_pInstance = std::make_unique<CStartupPictureWnd>();
    if (!s_pInstance->Create(parent)) {
        s_pInstance.reset();
        return;
    }
    // Shown without activation, as the frame is: the user may be typing in
    // another program. And under Wine the end of a window once activated waits
    // for a window manager, two seconds where there is none, and every key with it.
    ::ShowWindow(s_pInstance->m_hWnd, SW_SHOWNOACTIVATE);
    ::UpdateWindow(s_pInstance->m_hWnd);
}

void CStartupPictureWnd::HideStartupPicture() {
    if (s_pInstance) {
        s_pInstance->DestroyWindow();
    }
    framework::CWinApp* app = framework::GetApp();
    if (app != nullptr && app->m_pMainWnd != nullptr) {
        ::UpdateWindow(app->m_pMainWnd->m_hWnd);
    }
}

BOOL CStartupPictureWnd::Create(framework::CWnd* parent) {
    // At the main screen's scale, so that it keeps its share of the screen.
    m_bitmap = ScaledPicture(MAKEINTRESOURCEA(IDB_STARTUP), "STARTUP", PictureDpi());
    BITMAP info{};
    if (!m_bitmap || ::GetObjectA(m_bitmap.get(), sizeof info, &info) == 0) {
        return FALSE;
    }
    const LPCSTR className = RegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW));
    return className != nullptr && CreateEx(0, className, "", WS_POPUP, 0, 0, info.bmWidth,
                                            info.bmHeight, parent == nullptr ? nullptr : parent->m_hWnd, nullptr);
}

int CStartupPictureWnd::OnCreate(LPCREATESTRUCTA) {
    if (Default() == -1) {
        return -1;
    }
    // Centred on the work area: the frame that owns it is not visible yet.
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    ::SetWindowPos(m_hWnd, nullptr, work.left + (work.right - work.left - width) / 2,
                   work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetTimer(m_hWnd, kHideTimer, kShownMs, nullptr);
    return 0;
}

void CStartupPictureWnd::OnPaint() {
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(m_hWnd, &paint);
    BITMAP info{};
    ::GetObjectA(m_bitmap.get(), sizeof info, &info);
    framework::DrawBitmap(dc, m_bitmap.get(), info.bmWidth, info.bmHeight);
    ::EndPaint(m_hWnd, &paint);
}

void CStartupPictureWnd::OnTimer() {
    HideStartupPicture();
}

void CStartupPictureWnd::PostNcDestroy() {
    s_pInstance.reset();
}
