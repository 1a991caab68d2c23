#include "framework/win_app.h"

#include "framework/frame_wnd.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

namespace framework {

namespace {

CWinApp* g_pApp = nullptr;

std::string ProgramName() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    const char* name = std::strrchr(path, '\\');
    std::string base = name == nullptr ? path : name + 1;
    return base.substr(0, base.rfind('.'));
}

}  // namespace

CWinApp* GetApp() {
    return g_pApp;
}

CWinApp::CWinApp() {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    g_pApp = nullptr;
}

int CWinApp::Run() {
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    m_nExitCode = static_cast<int>(msg.wParam);
    return ExitInstance();
}

void CWinApp::SetRegistryKey(const char* key) {
    m_strRegistryKey = key;
}

void CWinApp::LoadStdProfileSettings(UINT maxRecentFiles) {
    if (m_strRegistryKey.empty()) {
        return;
    }
    const std::string path = "Software\\" + m_strRegistryKey + "\\" + ProgramName() + "\\Recent File List";
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    for (UINT i = 1; i <= maxRecentFiles; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "File%u", i);
        char value[MAX_PATH] = {};
        DWORD size = sizeof value - 1;
        DWORD type = 0;
        if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
            type == REG_SZ && value[0] != '\0') {
            m_recentFiles.emplace_back(value);
        }
    }
    ::RegCloseKey(key);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const {
    int count = 0;
    LPWSTR* args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    for (int i = 1; args != nullptr && i < count; ++i) {
        const wchar_t* arg = args[i];
        if (arg[0] == L'/' || arg[0] == L'-') {
            if (::lstrcmpiW(arg + 1, L"Embedding") == 0 || ::lstrcmpiW(arg + 1, L"Automation") == 0) {
                info.m_bShowSplash = FALSE;
            }
        } else if (info.m_strFileName.empty()) {
            char name[MAX_PATH] = {};
            ::WideCharToMultiByte(CP_ACP, 0, arg, -1, name, sizeof name, nullptr, nullptr);
            info.m_strFileName = name;
        }
    }
    ::LocalFree(args);
}

BOOL CWinApp::ProcessShellCommand(const CCommandLineInfo&) {
    return m_docTemplate != nullptr && m_docTemplate->OpenDocumentFile(nullptr) != nullptr;
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate) {
    m_docTemplate = std::move(docTemplate);
}

}  // namespace framework
