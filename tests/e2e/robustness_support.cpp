#include "tests/e2e/robustness_support.h"

#include "tests/e2e/e2e.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstring>

namespace e2e {

namespace {

constexpr char kKeyLog[] = "c:\\ostrel.log";
constexpr unsigned kSweepWaitMs = 5000;

// Wine's own services start when some program first needs them and serve the
// whole session: the sweep leaves them running.
constexpr const char* kSessionServices[] = {"services.exe", "rpcss.exe", "winedevice.exe", "plugplay.exe",
                                            "svchost.exe",  "wineboot.exe", "conhost.exe"};

struct WindowList {
    std::set<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != ::GetCurrentProcessId() && ::IsWindowVisible(hwnd)) {
        reinterpret_cast<WindowList*>(param)->windows.insert(hwnd);
    }
    return TRUE;
}

std::set<HWND> VisibleWindowsOfOthers() {
    WindowList list;
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&list));
    return list.windows;
}

std::string ExeNameOf(DWORD pid) {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    std::string name;
    for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == pid) {
            name = entry.szExeFile;
            break;
        }
    }
    ::CloseHandle(snapshot);
    return name;
}

bool IsSessionService(const std::string& exeName) {
    return std::any_of(std::begin(kSessionServices), std::end(kSessionServices),
                       [&](const char* service) { return ::lstrcmpiA(service, exeName.c_str()) == 0; });
}

}  // namespace

KeyLogRoad::KeyLogRoad() : m_file(kKeyLog) {
    ::DeleteFileA(kKeyLog);
}

KeyLogRoad::~KeyLogRoad() {
    ::DeleteFileA(kKeyLog);
}

const char* KeyLogRoad::Path() {
    return kKeyLog;
}

void KeyLogRoad::StartFresh(const KeyvaneProcess& keyvane, int slot) {
    const size_t from = keyvane.Mark();
    E2E_CHECK(m_file.Create(slot), "the key log was started afresh");
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: key log synchronised at slot " + std::to_string(slot)) >= 0,
              "the poll thread took its place at slot " + std::to_string(slot));
}

void KeyLogRoad::Write(const std::vector<std::uint32_t>& reportCodes) {
    E2E_CHECK(reportCodes.size() < 19, "at most 18 records at once");
    E2E_CHECK(m_file.Press(reportCodes), "the records were written");
}

size_t CountLines(const KeyvaneProcess& keyvane, size_t from, const std::string& text) {
    const auto lines = keyvane.LinesSince(from);
    return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(text) != std::string::npos;
    }));
}

bool WaitForLines(const KeyvaneProcess& keyvane, size_t from, const std::string& text, size_t count,
                  unsigned timeoutMs) {
    return WaitFor([&] { return CountLines(keyvane, from, text) >= count; }, timeoutMs);
}

size_t WorkingSetBytes(DWORD pid) {
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (process == nullptr) {
        return 0;
    }
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    const BOOL read = ::GetProcessMemoryInfo(process, &counters, sizeof counters);
    ::CloseHandle(process);
    return read ? counters.WorkingSetSize : 0;
}

std::set<DWORD> ProcessesNamed(const std::string& exeName) {
    std::set<DWORD> pids;
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry)) {
        if (exeName.empty() || ::lstrcmpiA(entry.szExeFile, exeName.c_str()) == 0) {
            pids.insert(entry.th32ProcessID);
        }
    }
    ::CloseHandle(snapshot);
    return pids;
}

LeftoverSweep::LeftoverSweep(std::set<DWORD> keep)
    : m_processes(ProcessesNamed("")), m_windows(VisibleWindowsOfOthers()), m_keep(std::move(keep)) {}

LeftoverSweep::~LeftoverSweep() {
    Sweep();
}

std::vector<std::string> LeftoverSweep::Sweep() {
    const auto isNew = [this](DWORD pid) { return m_processes.count(pid) == 0 && m_keep.count(pid) == 0; };
    for (HWND window : VisibleWindowsOfOthers()) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(window, &pid);
        if (m_windows.count(window) == 0 && isNew(pid)) {
            ::PostMessageA(window, WM_CLOSE, 0, 0);
        }
    }
    const auto leftovers = [&] {
        std::vector<DWORD> pids;
        for (DWORD pid : ProcessesNamed("")) {
            if (isNew(pid) && !IsSessionService(ExeNameOf(pid))) {
                pids.push_back(pid);
            }
        }
        return pids;
    };
    std::vector<std::string> ended;
    // Closed windows take their programs with them; what does not end by itself is ended.
    if (!WaitFor([&] { return leftovers().empty(); }, kSweepWaitMs)) {
        for (DWORD pid : leftovers()) {
            const HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
            if (process != nullptr) {
                ended.push_back(ExeNameOf(pid));
                ::TerminateProcess(process, 1);
                ::WaitForSingleObject(process, kSweepWaitMs);
                ::CloseHandle(process);
            }
        }
    }
    return ended;
}

}  // namespace e2e
