// The Keyboard Properties dialog: the user menu's five text snippets, its four
// shortcuts and the switch "Enable Office Keyboard Menu". It loads the set from
// the settings key when it is made and saves it on OK; Cancel drops it.
#pragma once

#include "framework/dialog.h"
#include "settings/keyboard_settings.h"

// The dialog's fields are the set itself, so loading and saving hand it over whole.
class CKeyboardPropDlg : public framework::CDialog, private KeyboardSettings {
public:
    explicit CKeyboardPropDlg(framework::CWnd* parent = nullptr);

    KV_DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(framework::CDataExchange* dx) override;
    void OnOK() override;

private:
    // Buttons "ShortCut1" to "ShortCut4": the button's identifier picks the shortcut.
    void OnBrowseShortCut(UINT buttonId);
};
