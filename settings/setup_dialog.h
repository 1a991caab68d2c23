// The Setup dialog: the paths of the mail program, the calculator and the
// media player that the application holds. OK hands them to the application,
// which uses them until the program ends, and stores them in the settings key.
#pragma once

#include "framework/dialog.h"

#include <string>

class CSetupDlg : public framework::CDialog {
public:
    explicit CSetupDlg(framework::CWnd* parent = nullptr);

    std::string m_strCalculatorPath;
    std::string m_strEmailPath;
    std::string m_strMediaPath;

    KV_DECLARE_MESSAGE_MAP()

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(framework::CDataExchange* dx) override;
    void OnOK() override;

private:
    void OnBrowseEmail() { BrowseInto(m_strEmailPath); }
    void OnBrowseCalculator() { BrowseInto(m_strCalculatorPath); }
    void OnBrowseMedia() { BrowseInto(m_strMediaPath); }
    void BrowseInto(std::string& path);
};
