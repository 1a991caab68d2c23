#include "tests/e2e/keyvane_process.h"

#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/popups.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace e2e {

PROCESS_INFORMATION StartProgram(std::string commandLine, const char* folder, DWORD flags) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // Wine has failed a start now and then in a run of the whole suite, before
    // any of the program's code ran; such a start is tried again and its errors
    // printed. A program that cannot start at all fails every try.
    std::string errors;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0) {
            ::Sleep(100);
        }
        if (::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr, folder, &startup,
                             &process)) {
            if (!errors.empty()) {
                std::printf("started %s after errors%s\n", commandLine.c_str(), errors.c_str());
            }
            return process;
        }
        errors += " " + std::to_string(::GetLastError());
    }
    throw Failure("cannot start " + commandLine + " (errors" + errors + ")");
}

DWORD RunAndWait(std::string commandLine, unsigned timeoutMs, const char* folder) {
    const PROCESS_INFORMATION process = StartProgram(commandLine, folder);
    ::CloseHandle(process.hThread);
    DWORD exitCode = STILL_ACTIVE;
    if (::WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        ::GetExitCodeProcess(process.hProcess, &exitCode);
    } else {
        ::TerminateProcess(process.hProcess, 99);
    }
    ::CloseHandle(process.hProcess);
    if (exitCode == STILL_ACTIVE) {
        throw Failure(commandLine + " did not end");
    }
    return exitCode;
}


namespace {

constexpr char kFrameTitle[] = "Keyvane V1.0.20010401";
constexpr UINT kMsgIconNormal = WM_USER + 102;

struct FrameSearch {
    DWORD pid;
    HWND frame;
};

BOOL CALLBACK FindFrame(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<FrameSearch*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    char title[128] = {};
    ::GetWindowTextA(hwnd, title, sizeof title);
    if (pid == search->pid && std::strcmp(title, kFrameTitle) == 0) {
        search->frame = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string TestDirectory() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string directory(path);
    return directory.substr(0, directory.rfind('\\') + 1);
}

void SetWindowsVersion(const char* exeName, const char* version) {
    const std::string key = std::string("Software\\Wine\\AppDefaults\\") + exeName;
    HKEY handle = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                          nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot set the Windows version for " + std::string(exeName));
    }
    ::RegSetValueExA(handle, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                     static_cast<DWORD>(std::strlen(version) + 1));
    ::RegCloseKey(handle);
}

namespace {

// The one keyvane.exe that cases share; a case that starts its own ends it first.
struct SharedRun {
    std::unique_ptr<KeyvaneProcess> process;
    std::string version;
};

SharedRun& Shared() {
    static SharedRun shared;
    return shared;
}

}  // namespace

KeyvaneProcess& SharedKeyvane(const char* windowsVersion) {
    SharedRun& shared = Shared();
    if (shared.process == nullptr || shared.version != windowsVersion || !shared.process->IsRunning()) {
        shared.process.reset();
        auto started = std::make_unique<KeyvaneProcess>(windowsVersion);
        if (!started->WaitReady()) {
            throw Failure("keyvane.exe did not come up on " + std::string(windowsVersion));
        }
        // Cases then see only what they cause.
        started->WaitStartupPictureGone();
        shared.process = std::move(started);
        shared.version = windowsVersion;
    }
    return *shared.process;
}

KeyvaneProcess::KeyvaneProcess(const char* windowsVersion, const char* program, bool suspended) {
    // Only one instance runs at a time: a second start would end at once.
    Shared().process.reset();
    Monitor();
    // A program named by its full path runs from there, as an installed copy does.
    const char* name = std::strrchr(program, '\\');
    SetWindowsVersion(name == nullptr ? program : name + 1, windowsVersion);
    m_firstLine = Monitor().Count();
    m_process = StartProgram("\"" + (name == nullptr ? TestDirectory() : std::string()) + program + "\"", nullptr,
                             suspended ? CREATE_SUSPENDED : 0);
}

KeyvaneProcess::~KeyvaneProcess() {
    if (IsRunning()) {
        ::TerminateProcess(m_process.hProcess, 99);
        ::WaitForSingleObject(m_process.hProcess, 5000);
    }
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

bool KeyvaneProcess::WaitReady(unsigned timeoutMs) {
    return WaitFor(
        [this] {
            FrameSearch search{Pid(), nullptr};
            ::EnumWindows(&FindFrame, reinterpret_cast<LPARAM>(&search));
            if (search.frame == nullptr || !::IsWindowVisible(search.frame)) {
                return false;
            }
            m_frame = search.frame;
            // The view is the frame's child that holds the form's edit control.
            for (HWND child = ::GetWindow(m_frame, GW_CHILD); child != nullptr;
                 child = ::GetWindow(child, GW_HWNDNEXT)) {
                if (::GetDlgItem(child, 1001) != nullptr) {
                    m_view = child;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
}

bool KeyvaneProcess::WaitStartupPictureGone(unsigned timeoutMs) const {
    return WaitFor([this] { return FindPopups(Pid(), Frame()).empty(); }, timeoutMs);
}

bool KeyvaneProcess::WaitExit(unsigned timeoutMs, DWORD* exitCode) {
    if (::WaitForSingleObject(m_process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    if (exitCode != nullptr) {
        ::GetExitCodeProcess(m_process.hProcess, exitCode);
    }
    return true;
}

bool KeyvaneProcess::IsRunning() const {
    return ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

void KeyvaneProcess::Resume() const {
    ::ResumeThread(m_process.hThread);
}

LRESULT KeyvaneProcess::SendToView(UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(m_view, message, wParam, lParam, SMTO_NORMAL, 10000, &result)) {
        throw Failure("the view did not handle message " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

size_t KeyvaneProcess::Mark() const {
    return Monitor().Count();
}

std::vector<std::string> KeyvaneProcess::LinesSince(size_t from) const {
    std::vector<std::string> lines;
    for (const DebugLine& line : Monitor().Lines(std::max(from, m_firstLine))) {
        if (line.pid == Pid()) {
            lines.push_back(line.text);
        }
    }
    return lines;
}

long KeyvaneProcess::WaitForLine(size_t from, const std::string& text, unsigned timeoutMs) const {
    return Monitor().WaitForLine(std::max(from, m_firstLine), Pid(), text, timeoutMs);
}

long KeyvaneProcess::Sync() const {
    const size_t from = Mark();
    // Posted, not sent: while the view waits on the notification area after a
    // key, it takes sent messages at once, before that key's own last lines.
    if (!::PostMessageA(m_view, kMsgIconNormal, 0, 0)) {
        throw Failure("the view took no message");
    }
    return WaitForLine(from, "keyvane: icon normal");
}

}  // namespace e2e
