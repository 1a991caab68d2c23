#include "settings/setup_dialog.h"

#include "app/tamber_app.h"
#include "app/tamber_view.h"
#include "res/resource.h"
#include "settings/browse_program.h"
#include "settings/keyboard_prop_fields.h"

CSetupDlg::CSetupDlg(framework::CWnd* parent) : CDialog(IDD_SETUP, parent) {}

const framework::MessageMap& CSetupDlg::ThisMessageMap() {
    static const framework::MessageEntry entries[] = {
        framework::OnCommand<&CSetupDlg::OnBrowseEmail>(IDC_BROWSE_EMAIL),
        framework::OnCommand<&CSetupDlg::OnBrowseCalculator>(IDC_BROWSE_CALCULATOR),
        framework::OnCommand<&CSetupDlg::OnBrowseMedia>(IDC_BROWSE_MEDIA),
    };
    static const framework::MessageMap map = framework::MakeMessageMap(&CDialog::ThisMessageMap(), entries);
    return map;
}

BOOL CSetupDlg::OnInitDialog() {
    const CTamberApp& app = TheApp();
    m_strCalculatorPath = app.m_strCalculatorPath;
    m_strEmailPath = app.m_strEmailPath;
    m_strMediaPath = app.m_strMediaPath;
    return CDialog::OnInitDialog();
}

void CSetupDlg::DoDataExchange(framework::CDataExchange* dx) {
    // The paths are stored like the other settings texts and must read back as well.
    framework::DDX_Text(dx, IDC_CALCULATOR_PATH, m_strCalculatorPath, kMaxSettingText);
    framework::DDX_Text(dx, IDC_EMAIL_PATH, m_strEmailPath, kMaxSettingText);
    framework::DDX_Text(dx, IDC_MEDIA_PATH, m_strMediaPath, kMaxSettingText);
}

void CSetupDlg::OnOK() {
    UpdateData(TRUE);
    CTamberApp& app = TheApp();
    app.m_strCalculatorPath = m_strCalculatorPath;
    app.m_strEmailPath = m_strEmailPath;
    app.m_strMediaPath = m_strMediaPath;
    app.SavePaths();
    EndDialog(IDOK);
}

void CSetupDlg::BrowseInto(std::string& path) {
    BrowseForProgram(*this, [&](const std::string& program) { path = program; });
}

void CTamberView::OnSetup() {
    CSetupDlg dialog;
    dialog.DoModal();
}
