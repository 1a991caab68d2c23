#include "framework/dialog.h"

#include "dispatch/text_encoding_win32.h"
#include "framework/bitmap_button.h"
#include "framework/win_app.h"

namespace framework {

void DDX_Text(CDataExchange* dx, int id, std::string& value, int maxLength) {
    const HWND control = ::GetDlgItem(dx->m_hDialog, id);
    if (dx->m_bSaveAndValidate) {
        std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
        text.resize(static_cast<size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
        value = Utf8FromWide(text);
        return;
    }
    if (maxLength > 0) {
        ::SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
    }
    ::SetWindowTextW(control, WideFromUtf8(value).c_str());
}

void DDX_Check(CDataExchange* dx, int id, BOOL& value) {
    if (dx->m_bSaveAndValidate) {
        value = ::IsDlgButtonChecked(dx->m_hDialog, id) == BST_CHECKED ? 1 : 0;
    } else {
        ::CheckDlgButton(dx->m_hDialog, id, value ? BST_CHECKED : BST_UNCHECKED);
    }
}

const MessageMap& CDialog::ThisMessageMap() {
    static const MessageEntry entries[] = {
        OnMessage<&CDialog::OnInitDialogMessage>(WM_INITDIALOG),
        OnMessage<&CDialog::OnDrawItem>(WM_DRAWITEM),
        OnCommand<&CDialog::OnOKCommand>(IDOK),
        OnCommand<&CDialog::OnCancelCommand>(IDCANCEL),
    };
    static const MessageMap map = MakeMessageMap(&CWnd::ThisMessageMap(), entries);
    return map;
}

INT_PTR CDialog::DoModal() {
    HWND owner = m_pParent != nullptr ? m_pParent->m_hWnd : nullptr;
    if (owner == nullptr && GetApp() != nullptr && GetApp()->m_pMainWnd != nullptr) {
        owner = GetApp()->m_pMainWnd->m_hWnd;
    }
    return RunModalDialog(m_nTemplateId, owner);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx{m_hWnd, saveAndValidate != FALSE};
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialogMessage() {
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::OnDrawItem(WPARAM, LPARAM item) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(item);
    auto* button = dynamic_cast<CBitmapButton*>(FromHandlePermanent(draw->hwndItem));
    if (button == nullptr) {
        return Default();
    }
    button->DrawItem(*draw);
    return TRUE;
}

}  // namespace framework
