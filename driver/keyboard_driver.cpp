#include "driver/keyboard_driver.h"

#include "driver/driver_check.h"
#include "driver/driver_package.h"
#include "driver/folder_watch_win32.h"
#include "driver/installer_window_win32.h"
#include "driver/paced_driver_check.h"
#include "driver/program_directory.h"
#include "driver/registry_key_watch_win32.h"
#include "driver/run_and_wait_win32.h"
#include "framework/diagnostics.h"
#include "registry/reg_access.h"

#include <windows.h>

namespace {

constexpr char kKeyboardKey[] = "SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_04D9&PID_0022";
// The longest the check waits for the installer's wizard after starting it, so
// that the next look finds the installer at work instead of starting another.
constexpr DWORD kWizardWaitMs = 5000;

// The name of the keyboard's subkey number `index`.
std::optional<std::string> InstanceName(int index) {
    // Opened to interactive users first, like every system key the program reads.
    CRegAccess::GrantKeyAccess(HKEY_LOCAL_MACHINE, kKeyboardKey);
    CRegAccess keyboard(HKEY_LOCAL_MACHINE);
    // A registry key's name is at most 255 characters.
    char name[256];
    if (!keyboard.Open(HKEY_LOCAL_MACHINE, kKeyboardKey) || !keyboard.EnumSubkey(name, static_cast<DWORD>(index))) {
        return std::nullopt;
    }
    return std::string(name);
}

class CWin32KeyboardDevices : public CKeyboardDevices {
public:
    explicit CWin32KeyboardDevices(const DriverPackage& package) : m_package(package) {}

    std::optional<KeyboardInstance> ReadInstance(int index) override {
        std::optional<std::string> name = InstanceName(index);
        if (!name) {
            return std::nullopt;
        }
        KeyboardInstance instance{*name, std::nullopt, std::nullopt};
        const std::string path = std::string(kKeyboardKey) + "\\" + *name;
        CRegAccess::GrantKeyAccess(HKEY_LOCAL_MACHINE, path.c_str());
        CRegAccess key(HKEY_LOCAL_MACHINE);
        if (!key.Open(HKEY_LOCAL_MACHINE, path.c_str())) {
            return instance;
        }
        std::string filters;
        if (key.QueryString("LowerFilters", filters)) {
            instance.firstLowerFilter = filters;
        }
        DWORD flags = 0;
        // Only a 32-bit number counts: a few bytes of another type are no configuration state.
        if (key.QueryDword("ConfigFlags", flags) && key.m_dwLastType == REG_DWORD && key.m_dwLastSize == sizeof flags) {
            instance.configFlags = flags;
        }
        return instance;
    }

    bool InstallerExists() override {
        const DWORD attributes = ::GetFileAttributesA(m_package.installer.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }

    bool InstallerWindowOpen() override { return IsInstallerDialogOpen(); }

    void Reinstall(const KeyboardInstance& instance) override {
        framework::Trace("keyboard instance %s lacks its filter driver: reinstalling the driver package",
                         instance.name.c_str());
        RunAndWait(m_package.uninstallCommand);
        if (::WinExec(m_package.installCommand.c_str(), SW_SHOWNORMAL) > 31) {
            WaitForInstallerDialog(kWizardWaitMs);
        }
    }

    std::uint32_t NowMs() override { return ::GetTickCount(); }

private:
    const DriverPackage& m_package;
};

}  // namespace

bool CheckKeyboardDriver() {
    // Only the key log poll thread runs the check: its pace and hold-back are its alone.
    static CPacedDriverCheck check;
    static CRegistryKeyWatch keyboardKeys(HKEY_LOCAL_MACHINE, kKeyboardKey);
    // The program's folder does not change while it runs. Without one to find
    // the package in there is nothing the check could do.
    static const std::string folder = GetProgramDirectory();
    static const std::optional<DriverPackage> package = DriverPackageIn(folder);
    // The package's "Driver" folder lies in it, and may come later.
    static CFolderWatch packageFiles(folder);
    if (package) {
        CWin32KeyboardDevices devices(*package);
        check.Pass(devices, DriverCheckChanges{keyboardKeys.MayHaveChanged(), packageFiles.MayHaveChanged()});
    }
    return true;
}
