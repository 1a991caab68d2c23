#include "driver/driver_package.h"

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

std::optional<DriverPackage> DriverPackageIn(const std::string& programDirectory) {
    if (programDirectory.empty() || programDirectory.back() != '\\') {
        return std::nullopt;
    }
    const std::string folder = programDirectory + "Driver\\";
    DriverPackage package;
    package.installer = folder + "DPInst.exe";
    // The installer's path is quoted: the program folder usually holds a
    // space ("Program Files"), and unquoted, Windows would try the path's
    // leading words as programs first.
    package.uninstallCommand = Quoted(package.installer) + "  /u " + Quoted(folder + "UsbSnoop.inf");
    package.installCommand = Quoted(package.installer) + "  /f";
    return package;
}
