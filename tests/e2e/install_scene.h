// A machine as the product's setup leaves it before it calls the installer
// library: a setup folder with the probe program (the setup's stand-in),
// install.dll and both driver packages; a product folder with the filter
// driver files and an install log; "Software\Corvale" naming them. The scene
// takes away everything it made, the installed driver file and the registry
// changes when the case ends.
#pragma once

#include "tests/e2e/registry_fixture.h"

#include <windows.h>

#include <ios>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Byte for byte unless told to read in text mode.
std::optional<std::string> ReadWholeFile(const std::string& path, std::ios::openmode mode = std::ios::binary);

// A registry key made for a case, with whichever of its parents were missing;
// the topmost of those goes when the case ends.
class MadeKey {
public:
    MadeKey(HKEY root, const std::string& path);
    ~MadeKey();
    MadeKey(const MadeKey&) = delete;
    MadeKey& operator=(const MadeKey&) = delete;

    const std::string& Path() const { return m_path; }
    void Write(const char* name, const std::string& text) const;
    // Subkey names in the order the system enumerates them.
    std::vector<std::string> Subkeys() const;

private:
    HKEY m_root;
    std::string m_path;
    std::string m_removed;
};

class InstallScene {
public:
    static constexpr DWORD kVendor = 0x04D9;
    static constexpr DWORD kProduct = 0x0022;

    InstallScene();
    ~InstallScene();
    InstallScene(const InstallScene&) = delete;
    InstallScene& operator=(const InstallScene&) = delete;

    // No trailing backslash, as the setup stores it; the name holds a space.
    const std::string& ProductFolder() const { return m_product; }
    // "Software\Corvale" with "InfPATH", "Mfg", "idVendor" and "idProduct".
    void WriteProductKey();
    // "BuildLabEx" of the Windows version key, until the case ends.
    void SetBuildLabel(const std::string& label);
    void RemoveProductDriver(const char* file) const;

    // Runs the probe with Wine reporting `windowsVersion`, waits for it to end
    // and gives its exit code.
    DWORD RunRegistry(const char* windowsVersion) const;

    std::string InstalledDriverPath() const;
    std::optional<std::string> InstalledDriver() const { return ReadWholeFile(InstalledDriverPath()); }
    // What the product's filter driver file holds.
    static std::string DriverContent(const char* file);
    std::string Log() const;
    // The installer stand-in's runs, "working folder|command line" each.
    std::vector<std::string> InstallerRuns() const;
    // The package file in the setup's folder for `architecture` ("X86", "X64").
    std::string PackageSource(const char* architecture, const char* file) const;
    std::string PackageDestination(const char* file) const;
    // Waits until the product folder holds the file with exactly `content`.
    bool WaitForPackageFile(const char* file, const std::string& content) const;

    // What the setup wrote to the log before calling the library.
    static constexpr char kSetupLogLines[] = "File: keyvane.exe\n";

private:
    std::string m_root;
    std::string m_setup;
    std::string m_product;
    std::optional<ScratchKey> m_productKey;
    std::unique_ptr<ValueOverride> m_buildLabel;
    std::vector<BYTE> m_versionKeySecurity;
};

}  // namespace e2e
