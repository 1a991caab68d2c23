#include "tests/e2e/setup/setup_scene.h"

#include "tests/e2e/e2e.h"
#include "tests/e2e/install_scene.h"
#include "tests/e2e/keyvane_process.h"

#include <tlhelp32.h>

#include <cstring>
#include <sstream>

namespace e2e {

namespace {

constexpr char kViewFrameTitle[] = "Keyvane V1.0.20010401";
constexpr int kViewEditControl = 1001;

std::string SystemFolder() {
    char folder[MAX_PATH] = {};
    ::GetSystemDirectoryA(folder, sizeof folder);
    return std::string(folder) + "\\";
}

}  // namespace

std::string SetupPath(Package package) {
    return TestDirectory() + (package == Package::StandIn ? "setup_with_driver\\" : "") + "keyvane-setup.exe";
}

DWORD RunSetup(Package package, const std::string& arguments, const char* windowsVersion) {
    for (const char* program : {"keyvane-setup.exe", "uninstall.exe", "Un.exe"}) {
        SetWindowsVersion(program, windowsVersion);
    }
    return RunAndWait("\"" + SetupPath(package) + "\" " + arguments);
}

DWORD RunUninstaller(const std::string& arguments) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    const std::string copy = std::string(temp) + "Un.exe";
    if (!::CopyFileA((std::string(kProductFolder) + "\\uninstall.exe").c_str(), copy.c_str(), FALSE)) {
        throw Failure("no uninstall.exe to run");
    }
    const DWORD exitCode = RunAndWait("\"" + copy + "\" " + arguments + " _?=" + kProductFolder);
    ::DeleteFileA(copy.c_str());
    return exitCode;
}

bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Sz(const std::string& text) {
    return std::string(text.c_str(), text.size() + 1);
}

std::string Dword(DWORD value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

std::map<std::string, RawValue> KeyValues(HKEY root, const std::string& path) {
    std::map<std::string, RawValue> values;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return values;
    }
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (::RegEnumValueA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        values.emplace(name, ReadRawValue(root, path, name).value_or(RawValue{}));
    }
    ::RegCloseKey(key);
    return values;
}

std::string Describe(const std::map<std::string, RawValue>& values) {
    std::string description;
    for (const auto& [name, value] : values) {
        description += "\n    " + name + " (type " + std::to_string(value.type) + ", " +
                       std::to_string(value.data.size()) + " bytes)";
    }
    return description;
}

std::vector<DWORD> ProcessesNamed(const char* exeName) {
    std::vector<DWORD> ids;
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry)) {
        if (::lstrcmpiA(entry.szExeFile, exeName) == 0) {
            ids.push_back(entry.th32ProcessID);
        }
    }
    ::CloseHandle(snapshot);
    return ids;
}

HWND FindKeyvaneView() {
    const HWND frame = ::FindWindowA(nullptr, kViewFrameTitle);
    for (HWND child = frame == nullptr ? nullptr : ::GetWindow(frame, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgItem(child, kViewEditControl) != nullptr) {
            return child;
        }
    }
    return nullptr;
}

HWND FindText(HWND top, const char* text) {
    struct Search {
        const char* text;
        HWND found;
    } search{text, nullptr};
    ::EnumChildWindows(
        top,
        [](HWND child, LPARAM param) -> BOOL {
            auto* search = reinterpret_cast<Search*>(param);
            char got[256] = {};
            ::GetWindowTextA(child, got, sizeof got);
            if (::IsWindowVisible(child) && std::strcmp(got, search->text) == 0) {
                search->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::string> SchtasksRuns() {
    std::vector<std::string> runs;
    std::istringstream lines(ReadWholeFile(SystemFolder() + "schtasks_runs.txt").value_or(""));
    for (std::string line; std::getline(lines, line);) {
        runs.push_back(line);
    }
    return runs;
}

std::string ScheduledTaskDefinition() {
    // UTF-16: the definition is plain ASCII, so every other byte is 0.
    std::string text;
    for (const char byte : ReadWholeFile(SystemFolder() + "schtasks_task.xml").value_or("")) {
        if (byte != '\0') {
            text += byte;
        }
    }
    return text;
}

std::string ProductLeftovers() {
    std::string left;
    for (const std::string& path : {std::string(kProductFolder), std::string(kShortcuts)}) {
        if (!FileExists(path)) {
            continue;
        }
        left += path + ":";
        WIN32_FIND_DATAA found{};
        const HANDLE search = ::FindFirstFileA((path + "\\*").c_str(), &found);
        for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(search, &found)) {
            left += std::string(" ") + found.cFileName;
        }
        ::FindClose(search);
        left += "\n";
    }
    if (KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey)) {
        left += std::string(kUninstallKey) + "\n";
    }
    if (ReadRawValue(HKEY_LOCAL_MACHINE, kRunKey, "Keyvane")) {
        left += "the Run value\n";
    }
    return left;
}

}  // namespace e2e
