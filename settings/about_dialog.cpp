#include "settings/about_dialog.h"

#include "app/tamber_app.h"
#include "app/tamber_view.h"
#include "osd/picture_dpi.h"
#include "osd/scaled_drawing.h"
#include "res/resource.h"

#include <utility>

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

const framework::MessageMap& CAboutDlg::ThisMessageMap() {
    static const framework::MessageEntry entries[] = {
        framework::OnMessage<&CAboutDlg::OnDpiChanged>(WM_DPICHANGED),
    };
    static const framework::MessageMap map = framework::MakeMessageMap(&CDialog::ThisMessageMap(), entries);
    return map;
}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The pictures at the scale of the box's screen; at 100 % the resources
    // themselves, which the picture control has already taken.
    const int dpi = WindowDpi(m_hWnd);
    // The button's pictures are named after its caption: "OKU", "OKD", "OKF".
    m_btnOK.AutoLoad(IDOK, *this, [dpi](const std::string& name) { return ScaledPicture(name.c_str(), name, dpi); });
    TakePictures(dpi, dpi == kBaseDpi);
    // The box's size in dialog units is the picture's with the box's own font.
    // Where the system has to draw the box with another font, the box still
    // takes the picture's size and the button keeps its place on the picture,
    // so the picture is never cut and the button stays on the room left for it.
    const SIZE picture = PictureSize();
    RECT client{};
    RECT place{};
    RECT window{};
    if (picture.cx > 0 && ::GetClientRect(m_hWnd, &client) && client.right > 0 && client.bottom > 0) {
        ::GetWindowRect(::GetDlgItem(m_hWnd, IDOK), &place);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 1);
        ::GetWindowRect(m_hWnd, &window);
        FitToPicture({::MulDiv(place.left, picture.cx, client.right), ::MulDiv(place.top, picture.cy, client.bottom)},
                     window);
    }
    return TRUE;
}

void CAboutDlg::TakePictures(int dpi, bool templateShown) {
    framework::OwnedBitmap picture = ScaledPicture(MAKEINTRESOURCEA(IDB_ABOUT), "ABOUT", dpi);
    if (!picture) {
        return;
    }
    if (!templateShown) {
        // The control gives back the picture it showed: the template's is
        // then no one's, the box's own goes with m_picture below.
        const auto shown = reinterpret_cast<HGDIOBJ>(::SendDlgItemMessageA(
            m_hWnd, IDC_ABOUT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get())));
        if (shown != nullptr && shown != m_picture.get()) {
            ::DeleteObject(shown);
        }
    }
    m_picture = std::move(picture);
}

SIZE CAboutDlg::PictureSize() const {
    BITMAP size{};
    if (!m_picture || ::GetObjectA(m_picture.get(), sizeof size, &size) == 0) {
        return SIZE{0, 0};
    }
    return SIZE{size.bmWidth, size.bmHeight};
}

void CAboutDlg::FitToPicture(POINT button, const RECT& around) {
    const SIZE picture = PictureSize();
    if (picture.cx <= 0 || picture.cy <= 0) {
        return;
    }
    m_buttonAt = button;
    ::SetWindowPos(::GetDlgItem(m_hWnd, IDOK), nullptr, button.x, button.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT frame{0, 0, picture.cx, picture.cy};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    ::SetWindowPos(m_hWnd, nullptr, (around.left + around.right - width) / 2, (around.top + around.bottom - height) / 2,
                   width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CAboutDlg::OnDpiChanged(WPARAM dpi, LPARAM suggested) {
    // Where the system scales dialogs, the dialog manager lays the box out
    // anew first; the pictures, and the box's size, are the box's own.
    const LRESULT result = Default();
    const int newDpi = LOWORD(dpi);
    if (suggested == 0 || newDpi == 0) {
        return result;
    }
    const SIZE before = PictureSize();
    m_btnOK.LoadPictures([newDpi](const std::string& name) { return ScaledPicture(name.c_str(), name, newDpi); });
    TakePictures(newDpi, false);
    const SIZE after = PictureSize();
    if (before.cx > 0 && before.cy > 0) {
        // Centred where the system would put the box.
        FitToPicture({::MulDiv(m_buttonAt.x, after.cx, before.cx), ::MulDiv(m_buttonAt.y, after.cy, before.cy)},
                     *reinterpret_cast<const RECT*>(suggested));
    }
    return result;
}

void CTamberApp::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}

void CTamberView::OnAbout() {
    TheApp().OnAppAbout();
}
