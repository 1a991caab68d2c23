// Stands in for the driver package installer "DPInst.exe". It says on the
// debug-output channel when it starts and when it ends, with its command line.
// While it works (a while, as the real one takes) it shows a dialog titled as
// the real installer's: "Uninstall Driver Package" for /u, "Device Driver
// Installation Wizard" for /f; and for /f it puts "UsbSnoop" first among the
// lower filters of the keyboard's device instances, unless a file
// "dpinst_cancels" lies beside it (the user cancels the wizard). Last it
// appends how it was started (working folder, "|", command line) as one line
// to "dpinst_runs.txt" beside itself: a caller that does not wait for it finds
// the line missing when it returns.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kKeyboardKey[] = "SYSTEM\\CurrentControlSet\\Enum\\USB\\Vid_04d9&Pid_0022";
constexpr char kFilter[] = "UsbSnoop";
constexpr DWORD kWorkMs = 300;

std::string Beside(const char* file) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string program(path);
    return program.substr(0, program.rfind('\\') + 1) + file;
}

void Announce(const char* what) {
    ::OutputDebugStringA((std::string("DPInst.exe ") + what + ": " + ::GetCommandLineA() + "\n").c_str());
}

bool IsSwitch(const char* name) {
    return __argc > 1 && std::strcmp(__argv[1], name) == 0;
}

// The instance's lower filters as a multi-string, "UsbSnoop" first and not twice.
std::string WithFilterFirst(HKEY instance) {
    std::vector<char> old(4096, '\0');
    auto size = static_cast<DWORD>(old.size() - 2);
    std::string filters = std::string(kFilter) + '\0';
    if (::RegQueryValueExA(instance, "LowerFilters", nullptr, nullptr, reinterpret_cast<BYTE*>(old.data()), &size) ==
        ERROR_SUCCESS) {
        for (const char* name = old.data(); *name != '\0'; name += std::strlen(name) + 1) {
            if (std::strcmp(name, kFilter) != 0) {
                filters += std::string(name) + '\0';
            }
        }
    }
    return filters + '\0';
}

void PutFilterFirst() {
    HKEY keyboard = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKeyboardKey, 0, KEY_READ, &keyboard) != ERROR_SUCCESS) {
        return;
    }
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (::RegEnumKeyExA(keyboard, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        HKEY instance = nullptr;
        if (::RegOpenKeyExA(keyboard, name, 0, KEY_READ | KEY_SET_VALUE, &instance) == ERROR_SUCCESS) {
            const std::string filters = WithFilterFirst(instance);
            ::RegSetValueExA(instance, "LowerFilters", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(filters.data()),
                             static_cast<DWORD>(filters.size()));
            ::RegCloseKey(instance);
        }
    }
    ::RegCloseKey(keyboard);
}

// Keeps the dialog answering until `ms` have passed.
void PumpFor(DWORD ms) {
    const DWORD start = ::GetTickCount();
    for (DWORD passed = 0; passed < ms; passed = ::GetTickCount() - start) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - passed, QS_ALLINPUT);
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Announce("started");
    const bool install = IsSwitch("/f");
    const char* title = install ? "Device Driver Installation Wizard"
                                : IsSwitch("/u") ? "Uninstall Driver Package" : "DPInst";
    const HWND dialog = ::CreateWindowExA(0, "#32770", title, WS_POPUP | WS_CAPTION | WS_VISIBLE, 200, 200, 320, 120,
                                          nullptr, nullptr, instance, nullptr);
    PumpFor(kWorkMs / 2);
    if (install && ::GetFileAttributesA(Beside("dpinst_cancels").c_str()) == INVALID_FILE_ATTRIBUTES) {
        PutFilterFirst();
    }
    PumpFor(kWorkMs / 2);
    ::DestroyWindow(dialog);

    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof folder, folder);
    std::FILE* runs = std::fopen(Beside("dpinst_runs.txt").c_str(), "ab");
    if (runs == nullptr) {
        return 1;
    }
    std::fprintf(runs, "%s|%s\n", folder, ::GetCommandLineA());
    std::fclose(runs);
    Announce("ended");
    return 0;
}
