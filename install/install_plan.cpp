#include "install/install_plan.h"

#include "install/install_os_kind.h"

#include <cstdio>

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::vector<const char*> PackageFiles(int kind) {
    std::vector<const char*> files = {"DPInst.exe", "uninstall.bat", "UsbSnoop.Inf", "UsbSnoop.sys"};
    // Only 64-bit Windows insists on a signed catalogue.
    if (kind == kInstallVistaX64) {
        files.push_back("UsbSnoop.cat");
    }
    return files;
}

void PlanDriverPackage(int kind, const std::string& productFolder, const std::string& programDirectory,
                       InstallPlan& plan) {
    const std::string source = programDirectory + (kind == kInstallVistaX86 ? "Driver\\X86\\" : "Driver\\X64\\");
    const std::string destination = productFolder + "Driver\\";
    for (const char* file : PackageFiles(kind)) {
        // Without /y a copy over an existing file would wait for an answer
        // that nobody can give in the hidden window.
        plan.packageCopies.push_back("/c copy /y " + Quoted(source + file) + " " + Quoted(destination + file));
    }
    // The installer's own path is quoted: the product folder usually holds a
    // space ("Program Files"), and an unquoted one would make Windows try the
    // path's leading words as programs first.
    const std::string installer = Quoted(destination + "DPInst.exe");
    plan.uninstallCommand = installer + "  /u  " + Quoted(destination + "UsbSnoop.inf");
    plan.installCommand = installer + "  /f";
}

std::string DeviceKey(bool windows95Family, std::uint32_t vendor, std::uint32_t product) {
    char path[96];
    std::snprintf(path, sizeof path,
                  windows95Family ? "Enum\\USB\\VID_%04X&PID_%04X\\INST_0"
                                  : "SYSTEM\\CurrentControlSet\\Enum\\USB\\Vid_%04X&Pid_%04X",
                  static_cast<unsigned>(vendor), static_cast<unsigned>(product));
    return path;
}

}  // namespace

InstallPlan MakeInstallPlan(int installOsKind, const ProductValues& values, const std::string& windowsDirectory,
                            const std::string& programDirectory) {
    const bool windows95Family = IsWindows95Family(installOsKind);
    InstallPlan plan;
    if (!windowsDirectory.empty()) {
        plan.installedDriver = windowsDirectory + "\\SYSTEM32\\DRIVERS\\filtrum.sys";
    }
    // Without the product folder every path below would point at the root of
    // the current drive: nothing is copied, run or logged there.
    if (!values.infPath.empty()) {
        if (NeedsDriverPackage(installOsKind)) {
            PlanDriverPackage(installOsKind, values.infPath + "\\", programDirectory, plan);
        }
        if (!plan.installedDriver.empty()) {
            const char* driverFile = windows95Family ? "\\Driver\\filtrum_98.sys" : "\\Driver\\filtrum_nt.sys";
            plan.driverCopy = FileCopy{values.infPath + driverFile, plan.installedDriver};
        }
        plan.installLog = values.infPath + "\\INSTALL.LOG";
    }
    // Without both identifiers there is no telling which device is the keyboard.
    if (values.idVendor && values.idProduct) {
        plan.deviceKey = DeviceKey(windows95Family, *values.idVendor, *values.idProduct);
        plan.deviceKeyHasInstances = !windows95Family;
    }
    plan.lowerFilter = windows95Family ? "filtrum.sys" : "filtrum";
    plan.deviceDescription = (windows95Family ? values.mfg : std::string()) + "USB Office Keyboard";
    plan.imagePath = "\\??\\" + plan.installedDriver;
    return plan;
}
