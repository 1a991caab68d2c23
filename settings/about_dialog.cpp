#include "settings/about_dialog.h"

#include "app/tamber_app.h"
#include "app/tamber_view.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The button's pictures are named after its caption: "OKU", "OKD", "OKF".
    m_btnOK.AutoLoad(IDOK, *this);
    return TRUE;
}

void CTamberApp::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}

void CTamberView::OnAbout() {
    TheApp().OnAppAbout();
}
