// The driver package in the "Driver" folder beside the program, and the two
// command lines that run its installer "DPInst.exe".
#pragma once

#include <optional>
#include <string>

struct DriverPackage {
    std::string installer;
    // Removes the package described by "UsbSnoop.inf".
    std::string uninstallCommand;
    // Installs the package, with the installer's wizard.
    std::string installCommand;
};

// The package of `programDirectory`. Nothing unless that folder ends in a
// backslash: any other (empty, or "false" when the program's path could not be
// had) would make relative paths, and the installer runs with the program's
// administrator rights from whatever folder they name.
std::optional<DriverPackage> DriverPackageIn(const std::string& programDirectory);
