#include "dispatch/win32_desktop.h"

#include "app/globals.h"
#include "app/tamber_view.h"
#include "dispatch/version_sets.h"
#include "dispatch/special_folder.h"
#include "dispatch/text_encoding_win32.h"
#include "driver/os_architecture.h"
#include "framework/diagnostics.h"
#include "framework/stage_stamps.h"
#include "hookwell/keyboard_hook.h"
#include "hookwell/user_modifiers.h"
#include "registry/reg_access.h"
#include "settings/settings_store.h"
#include "settings/volume_keys_setting.h"

#include <shlwapi.h>

#include <cstdio>

namespace {

// Class names and titles are read into 100 characters.
constexpr int kWindowTextChars = 100;
// Every key picture is a strip of 32-pixel frames.
constexpr int kKeyPictureFrameHeight = 32;
// A player that does not answer a command within this time is not waited for longer.
constexpr UINT kSendTimeoutMs = 5000;

HWND Handle(WindowId window) {
    return reinterpret_cast<HWND>(window);
}

WindowId Id(HWND window) {
    return reinterpret_cast<WindowId>(window);
}

// The folder of the running program file.
std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.rfind(L'\\') + 1);
}

// Makes `folder` the current directory until the scope ends.
class ScopedCurrentDirectory {
public:
    explicit ScopedCurrentDirectory(const std::wstring& folder) {
        const DWORD length = ::GetCurrentDirectoryW(0, nullptr);
        m_saved.resize(length);
        m_saved.resize(::GetCurrentDirectoryW(length, m_saved.data()));
        ::SetCurrentDirectoryW(folder.c_str());
    }
    ~ScopedCurrentDirectory() { ::SetCurrentDirectoryW(m_saved.c_str()); }
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

private:
    std::wstring m_saved;
};

// The view's mixer reads write their DWORD output only when they succeed.
template <class Read>
bool ReadMixer(Read read, std::uint32_t& output) {
    DWORD value = 0;
    if (!read(&value)) {
        return false;
    }
    output = value;
    return true;
}

}  // namespace

WindowId CWin32Desktop::ForegroundWindow() {
    return Id(::GetForegroundWindow());
}

WindowId CWin32Desktop::TopWindow() {
    return Id(::GetWindow(::GetDesktopWindow(), GW_CHILD));
}

WindowId CWin32Desktop::NextWindow(WindowId window) {
    return Id(::GetWindow(Handle(window), GW_HWNDNEXT));
}

std::string CWin32Desktop::WindowClass(WindowId window) {
    wchar_t name[kWindowTextChars] = {};
    ::GetClassNameW(Handle(window), name, kWindowTextChars);
    return Utf8FromWide(name);
}

std::string CWin32Desktop::WindowTitle(WindowId window) {
    wchar_t title[kWindowTextChars] = {};
    ::GetWindowTextW(Handle(window), title, kWindowTextChars);
    return Utf8FromWide(title);
}

bool CWin32Desktop::IsMinimized(WindowId window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    return ::GetWindowPlacement(Handle(window), &placement) && placement.showCmd == SW_SHOWMINIMIZED;
}

void CWin32Desktop::RestoreWindow(WindowId window) {
    ::ShowWindow(Handle(window), SW_RESTORE);
}

void CWin32Desktop::BringWindowToTop(WindowId window) {
    ::BringWindowToTop(Handle(window));
}

void CWin32Desktop::Activate(WindowId window) {
    ::SetForegroundWindow(Handle(window));
    ::SetActiveWindow(Handle(window));
}

void CWin32Desktop::PostCommand(WindowId window, unsigned id) {
    ::PostMessageA(Handle(window), WM_COMMAND, id, 0);
}

void CWin32Desktop::SendCommand(WindowId window, unsigned id) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(Handle(window), WM_COMMAND, id, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
}

void CWin32Desktop::SendKeys(const std::vector<KeyEvent>& events) {
    bool first = true;
    for (const KeyEvent& event : events) {
        const auto vk = static_cast<BYTE>(event.vk);
        const auto scan = static_cast<BYTE>(event.mappedScan ? ::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) : 0);
        if (first) {
            framework::StampStage(framework::Stage::kInputHanded);
        }
        ::keybd_event(vk, scan, event.up ? KEYEVENTF_KEYUP : 0, kOwnKeystrokeMark);
        if (first) {
            framework::StampStage(framework::Stage::kInputReturned);
            first = false;
        }
    }
}

ModifierKeys CWin32Desktop::Modifiers() {
    ModifierKeys keys;
    for (const unsigned vk : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN, VK_RWIN}) {
        if ((::GetAsyncKeyState(static_cast<int>(vk)) & 0x8000) == 0) {
            continue;
        }
        keys.down.push_back(vk);
        // The hook may have missed a release (the lock screen took it): a key
        // up for programs is not held, whatever the hook saw.
        if (UserModifiers().Holds(vk) || (vk == VK_SHIFT && m_view.IsShiftLatched())) {
            keys.held.push_back(vk);
        }
    }
    return keys;
}

void CWin32Desktop::MouseWheel(int amount) {
    ::mouse_event(MOUSEEVENTF_WHEEL, 0, 0, static_cast<DWORD>(amount), 0);
}

void CWin32Desktop::MiddleButton(bool up) {
    ::mouse_event(up ? MOUSEEVENTF_MIDDLEUP : MOUSEEVENTF_MIDDLEDOWN, 0, 0, 0, 0);
}

void CWin32Desktop::Sleep(unsigned milliseconds) {
    ::Sleep(milliseconds);
}

void CWin32Desktop::Run(const std::string& commandLine) {
    const std::string ansi = AnsiFromUtf8(commandLine);
    // Above 31 the program started; below, the system's reason it did not.
    const UINT result = ::WinExec(ansi.c_str(), SW_SHOWNORMAL);
    framework::Trace("run %s: %s %u", ansi.c_str(), result > 31 ? "started" : "failed", result);
}

void CWin32Desktop::ShellOpen(const std::string& file, const std::string& parameters, ShowMode show) {
    const std::wstring wideFile = WideFromUtf8(file);
    const std::wstring wideParameters = WideFromUtf8(parameters);
    // The shell also looks for a bare program name in the current directory,
    // whatever the process's search settings say: for the call, the program's
    // own folder is the current one.
    const ScopedCurrentDirectory programFolder(ProgramFolder());
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, L"open", wideFile.c_str(), parameters.empty() ? nullptr : wideParameters.c_str(),
                        nullptr, show == ShowMode::kHidden ? SW_HIDE : SW_SHOWNORMAL));
    framework::Trace("open %s %s: %s %d", AnsiFromUtf8(file).c_str(), AnsiFromUtf8(parameters).c_str(),
                     result > 32 ? "started" : "failed", static_cast<int>(result));
}

bool CWin32Desktop::PathExists(const std::string& path) {
    return ::PathFileExistsW(WideFromUtf8(path).c_str()) != FALSE;
}

bool CWin32Desktop::CanReadFile(const std::string& path) {
    FILE* file = ::_wfopen(WideFromUtf8(path).c_str(), L"rb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

bool CWin32Desktop::ProgramOnComputer(const std::string& file) {
    const std::wstring wideFile = WideFromUtf8(file);
    HKEY registered = nullptr;
    const std::wstring appPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + wideFile;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, appPath.c_str(), 0, KEY_QUERY_VALUE, &registered) == ERROR_SUCCESS) {
        ::RegCloseKey(registered);
        return true;
    }
    // Searched as the shell searches when the key opens it: with the program's
    // own folder as the current one, so that no other folder's file counts.
    const ScopedCurrentDirectory programFolder(ProgramFolder());
    wchar_t found[MAX_PATH] = {};
    const DWORD length = ::SearchPathW(nullptr, wideFile.c_str(), nullptr, MAX_PATH, found, nullptr);
    return length > 0 && length < MAX_PATH;
}

bool CWin32Desktop::PackageInstalled(const std::string& family) {
    // Windows 8 and later have packaged apps; the call is looked up so that
    // the program still starts on earlier releases.
    using GetPackages = LONG(WINAPI*)(PCWSTR, UINT32*, PWSTR*, UINT32*, WCHAR*);
    const auto getPackages = reinterpret_cast<GetPackages>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetPackagesByPackageFamily")));
    if (getPackages == nullptr) {
        return false;
    }
    UINT32 count = 0;
    UINT32 length = 0;
    const LONG result = getPackages(WideFromUtf8(family).c_str(), &count, nullptr, &length, nullptr);
    return (result == ERROR_SUCCESS || result == ERROR_INSUFFICIENT_BUFFER) && count > 0;
}

std::string CWin32Desktop::GetSpecialFolder(int csidl) {
    return ::GetSpecialFolder(csidl);
}

bool CWin32Desktop::MachineKeyExists(const std::string& key) {
    CRegAccess registry(HKEY_LOCAL_MACHINE);
    return registry.Open(HKEY_LOCAL_MACHINE, AnsiFromUtf8(key).c_str(), false);
}

std::optional<std::string> CWin32Desktop::MachineString(const std::string& key, const std::string& value) {
    return ReadTextValue(HKEY_LOCAL_MACHINE, AnsiFromUtf8(key).c_str(), AnsiFromUtf8(value).c_str());
}

int CWin32Desktop::QueryOsArchitecture() {
    return ::QueryOsArchitecture();
}

void CWin32Desktop::SetCdDoor(bool open) {
    MCI_OPEN_PARMSA device{};
    device.lpstrDeviceType = "cdaudio";
    const MCIERROR opened = ::mciSendCommandA(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_SHAREABLE | MCI_WAIT,
                                              reinterpret_cast<DWORD_PTR>(&device));
    // Without a drive there is no device to command.
    if (opened != 0) {
        framework::Trace("cd door %s: no drive %lu", open ? "open" : "closed", opened);
        return;
    }
    ::mciSendCommandA(device.wDeviceID, MCI_SET, open ? MCI_SET_DOOR_OPEN : MCI_SET_DOOR_CLOSED, 0);
    ::mciSendCommandA(device.wDeviceID, MCI_CLOSE, MCI_WAIT, 0);
    framework::Trace("cd door %s", open ? "open" : "closed");
}

void CWin32Desktop::ShowKeyPicture(const std::string& name) {
    m_view.ShowKeyPicture(name.c_str(), kKeyPictureFrameHeight);
}

void CWin32Desktop::RequestVolumeDisplay(std::uint32_t volume) {
    m_view.RequestVolumeDisplay(volume);
}

bool CWin32Desktop::GetVolume(std::uint32_t& volume) {
    return ReadMixer([this](DWORD* value) { return m_view.GetVolume(value); }, volume);
}

bool CWin32Desktop::GetMute(std::uint32_t& mute) {
    return ReadMixer([this](DWORD* value) { return m_view.GetMute(value); }, mute);
}

bool CWin32Desktop::SetMute(std::uint32_t mute) {
    return m_view.SetMute(mute) != FALSE;
}

bool CWin32Desktop::SetVolume(std::uint32_t volume) {
    return m_view.SetVolume(volume) != FALSE;
}

bool CWin32Desktop::TakesVolumeKeys() {
    // As the keyboard hook decides for each key; without the hook in place, Windows has them.
    return ProgramSetsVolume(g_nOsKind, ReadVolumeKeysSetting()) && KeyboardHookInPlace();
}
