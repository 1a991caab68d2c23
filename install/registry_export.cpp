// The export that the product's setup program calls.
#include "driver/program_directory.h"
#include "install/install_os_kind.h"
#include "install/install_steps.h"

#include <windows.h>

#include <exception>

namespace {

std::string WindowsDirectory() {
    char directory[MAX_PATH];
    const UINT length = ::GetWindowsDirectoryA(directory, sizeof directory);
    return length == 0 || length >= sizeof directory ? std::string() : std::string(directory, length);
}

void RegisterFilterDriver() {
    const int kind = QueryInstallOsKind();
    const ProductValues values = ReadProductValues();
    const InstallPlan plan = MakeInstallPlan(kind, values, WindowsDirectory(), GetProgramDirectory());
    SetUpDriverPackage(plan);
    CopyDriverFile(plan);
    ChangeDeviceKeys(plan);
    if (!IsWindows95Family(kind)) {
        FillServiceKeys(plan, values);
    }
}

}  // namespace

// Always 1: the setup goes on whatever happened here.
extern "C" int WINAPI Registry() {
    try {
        RegisterFilterDriver();
    } catch (const std::exception& e) {
        // Nothing may cross into the setup program; the reason goes to a debugger.
        ::OutputDebugStringA((std::string("install: Registry stopped: ") + e.what() + "\n").c_str());
    }
    return 1;
}
