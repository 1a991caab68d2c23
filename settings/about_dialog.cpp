#include "settings/about_dialog.h"

#include "app/tamber_app.h"
#include "app/tamber_view.h"
#include "osd/picture_dpi.h"
#include "osd/scaled_drawing.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The pictures at the scale of the box's screen; at 100 % the resources
    // themselves, which the picture control has already taken.
    const int dpi = WindowDpi(m_hWnd);
    // The button's pictures are named after its caption: "OKU", "OKD", "OKF".
    m_btnOK.AutoLoad(IDOK, *this, [dpi](const std::string& name) { return ScaledPicture(name.c_str(), name, dpi); });
    m_picture = ScaledPicture(MAKEINTRESOURCEA(IDB_ABOUT), "ABOUT", dpi);
    if (m_picture && dpi != kBaseDpi) {
        // The control gives back the template's picture, which is then no one's.
        ::DeleteObject(reinterpret_cast<HGDIOBJ>(::SendDlgItemMessageA(
            m_hWnd, IDC_ABOUT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_picture.get()))));
    }
    FitToPicture();
    return TRUE;
}

// The box's size in dialog units is the picture's with the box's own font.
// Where the system has to draw the box with another font, the box still takes
// the picture's size and the button keeps its place on the picture, so the
// picture is never cut and the button stays on the room left for it.
void CAboutDlg::FitToPicture() {
    BITMAP size{};
    RECT client{};
    if (!m_picture || ::GetObjectA(m_picture.get(), sizeof size, &size) == 0 || !::GetClientRect(m_hWnd, &client) ||
        client.right <= 0 || client.bottom <= 0) {
        return;
    }
    const HWND button = ::GetDlgItem(m_hWnd, IDOK);
    RECT place{};
    ::GetWindowRect(button, &place);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 1);
    ::SetWindowPos(button, nullptr, ::MulDiv(place.left, size.bmWidth, client.right),
                   ::MulDiv(place.top, size.bmHeight, client.bottom), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT frame{0, 0, size.bmWidth, size.bmHeight};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)));
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    // Centred where the box was centred.
    ::SetWindowPos(m_hWnd, nullptr, (window.left + window.right - width) / 2, (window.top + window.bottom - height) / 2,
                   width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTamberApp::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}

void CTamberView::OnAbout() {
    TheApp().OnAppAbout();
}
