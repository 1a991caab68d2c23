// What Registry does on one machine, decided from the installer's version
// class and what the product's setup left in "Software\Corvale": the files it
// copies, the installer runs, the device keys and the texts it writes there.
// The steps of install_steps.h carry the plan out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The values of "Software\Corvale"; a missing string stays empty.
struct ProductValues {
    // "InfPATH": the product folder, without a trailing backslash.
    std::string infPath;
    // "Mfg": put in front of the device description on the Windows 95 family.
    std::string mfg;
    std::optional<std::uint32_t> idProduct;
    std::optional<std::uint32_t> idVendor;
};

struct FileCopy {
    std::string from;
    std::string to;
};

struct InstallPlan {
    // The parameters of one hidden "cmd.exe" per driver package file, in copy order.
    std::vector<std::string> packageCopies;
    // The package installer's runs after the copies; empty when there are none.
    std::string uninstallCommand;
    std::string installCommand;
    // The filter driver in the system's driver folder; empty when that folder is unknown.
    std::string installedDriver;
    std::optional<FileCopy> driverCopy;
    // Empty when there is no log to keep.
    std::string installLog;
    // On the Windows 95 family the one device key to change; on the others the
    // key whose subkeys are the keyboard's instances. Empty when the keyboard's
    // identifiers are not known: no device key is changed then.
    std::string deviceKey;
    bool deviceKeyHasInstances = false;
    std::string lowerFilter;
    std::string deviceDescription;
    // The service's "ImagePath": the installed driver in the kernel's namespace.
    std::string imagePath;
};

// `windowsDirectory` is empty when it cannot be read; `programDirectory` is
// the setup program's folder, ending in a backslash.
InstallPlan MakeInstallPlan(int installOsKind, const ProductValues& values, const std::string& windowsDirectory,
                            const std::string& programDirectory);
