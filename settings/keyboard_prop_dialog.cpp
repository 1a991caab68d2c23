#include "settings/keyboard_prop_dialog.h"

#include "app/tamber_app.h"
#include "app/tamber_view.h"
#include "framework/diagnostics.h"
#include "registry/reg_access.h"
#include "res/resource.h"
#include "settings/browse_program.h"
#include "settings/keyboard_prop_fields.h"

static_assert(kMaxSettingText == CRegAccess::kMaxStringChars - 1, "an edit takes what a registry read gives back");

CKeyboardPropDlg::CKeyboardPropDlg(framework::CWnd* parent)
    : CDialog(IDD_KEYBOARD_PROP, parent), KeyboardSettings(TheApp().LoadKeyboardSettings()) {}

const framework::MessageMap& CKeyboardPropDlg::ThisMessageMap() {
    static const framework::MessageEntry entries[] = {
        framework::OnCommand<&CKeyboardPropDlg::OnBrowseShortCut>(IDC_BROWSE_SHORTCUT1),
        framework::OnCommand<&CKeyboardPropDlg::OnBrowseShortCut>(IDC_BROWSE_SHORTCUT2),
        framework::OnCommand<&CKeyboardPropDlg::OnBrowseShortCut>(IDC_BROWSE_SHORTCUT3),
        framework::OnCommand<&CKeyboardPropDlg::OnBrowseShortCut>(IDC_BROWSE_SHORTCUT4),
    };
    static const framework::MessageMap map = framework::MakeMessageMap(&CDialog::ThisMessageMap(), entries);
    return map;
}

void CKeyboardPropDlg::DoDataExchange(framework::CDataExchange* dx) {
    for (const PropertyEdit& edit : kPropertyEdits) {
        framework::DDX_Text(dx, edit.controlId, this->*edit.field, kMaxSettingText);
    }
    framework::DDX_Check(dx, IDC_MENU_ENABLE, m_bMenuEnable);
}

void CKeyboardPropDlg::OnOK() {
    UpdateData(TRUE);
    TheApp().SaveKeyboardSettings(*this);
    framework::Trace("keyboard properties confirmed, menu switch %d", TheApp().m_bMenuEnable);
    EndDialog(IDOK);
}

void CKeyboardPropDlg::OnBrowseShortCut(UINT buttonId) {
    const ShortcutBrowseButton* button = FindShortcutBrowseButton(static_cast<int>(buttonId));
    if (button != nullptr) {
        BrowseForProgram(*this, [&](const std::string& program) { FillShortcut(*this, *button, program); });
    }
}

void CTamberView::OnConfig() {
    CKeyboardPropDlg dialog;
    dialog.DoModal();
}
