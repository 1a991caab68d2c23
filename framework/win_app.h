// The application object: start-up (InitInstance), the message loop, the
// application's registry profile and the single-document template.
#pragma once

#include "framework/cmd_target.h"
#include "framework/doc_view.h"

#include <memory>
#include <string>
#include <vector>

namespace framework {

class CWnd;

// What the standard command-line switches ask for.
struct CCommandLineInfo {
    // Off for an "Embedding" or "Automation" start (an OLE launch shows no splash).
    BOOL m_bShowSplash = TRUE;
    // Non-switch arguments; the single document keeps no data, so a named file
    // opens as a new document all the same.
    std::string m_strFileName;
};

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    // Runs the message loop until WM_QUIT; returns the quit message's exit code.
    virtual int Run();
    virtual int ExitInstance() { return m_nExitCode; }

    // The profile then lives under HKEY_CURRENT_USER\Software\<key>\<program name>.
    void SetRegistryKey(const char* key);
    // Reads the recent-file list (up to `maxRecentFiles` entries) from the profile.
    void LoadStdProfileSettings(UINT maxRecentFiles);
    void ParseCommandLine(CCommandLineInfo& info) const;
    BOOL ProcessShellCommand(const CCommandLineInfo& info);
    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);

    HINSTANCE m_hInstance = nullptr;
    const char* m_lpCmdLine = "";
    int m_nCmdShow = SW_SHOWNORMAL;
    CWnd* m_pMainWnd = nullptr;

protected:
    std::string m_strRegistryKey;
    std::vector<std::string> m_recentFiles;

private:
    std::unique_ptr<CSingleDocTemplate> m_docTemplate;
    int m_nExitCode = 0;
};

// The one application object of the program, or null before it exists.
CWinApp* GetApp();

}  // namespace framework
