// Modal dialogs with data exchange: members are shown in their controls when
// the dialog starts (UpdateData(FALSE)) and taken over from them on OK
// (UpdateData(TRUE)), in the order DoDataExchange names them. Owner-drawn
// controls bound to objects (CBitmapButton) draw themselves: the dialog
// hands them their WM_DRAWITEM.
#pragma once

#include "framework/wnd.h"

#include <string>

namespace framework {

struct CDataExchange {
    HWND m_hDialog;
    bool m_bSaveAndValidate;  // true: controls to members
};

// Exchanges an edit control's text, UTF-8 in `value`, through the wide
// functions, so any character is shown and taken; an edit takes at most
// `maxLength` characters, UTF-16 units as the control counts them (0: no limit).
void DDX_Text(CDataExchange* dx, int id, std::string& value, int maxLength = 0);
// Exchanges a check box: 1 checked, 0 clear.
void DDX_Check(CDataExchange* dx, int id, BOOL& value);

class CDialog : public CWnd {
public:
    // Without a parent the dialog is owned by the application's main window.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_nTemplateId(templateId), m_pParent(parent) {}

    // Runs the dialog; IDOK, IDCANCEL, or -1 when it could not be made.
    virtual INT_PTR DoModal();
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    KV_DECLARE_MESSAGE_MAP()

protected:
    // Shows the members in their controls; TRUE lets the focus go to the first control.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* dx) { (void)dx; }
    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

private:
    BOOL OnInitDialogMessage();
    void OnOKCommand() { OnOK(); }
    void OnCancelCommand() { OnCancel(); }
    LRESULT OnDrawItem(WPARAM id, LPARAM item);

    UINT m_nTemplateId;
    CWnd* m_pParent;
};

}  // namespace framework
