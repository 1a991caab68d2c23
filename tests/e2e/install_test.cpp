// install.dll called the way the product's setup calls it, on each kind of
// Windows that Wine can report.
#include "tests/e2e/e2e.h"
#include "tests/e2e/install_scene.h"

#include <fstream>
#include <memory>
#include <vector>

namespace e2e {

namespace {

constexpr char k9xDeviceKey[] = "Enum\\USB\\VID_04D9&PID_0022\\INST_0";
constexpr char kNtDevicesKey[] = "SYSTEM\\CurrentControlSet\\Enum\\USB\\Vid_04D9&Pid_0022";
constexpr char kServiceKey[] = "SYSTEM\\CurrentControlSet\\Services\\Filtrum";
constexpr char kX86Label[] = "6000.16386.x86fre.vista_rtm.061101-2205";
constexpr char kAmd64Label[] = "6000.16386.amd64fre.vista_rtm.061101-2205";

std::string LogBlocks(const std::string& key, const char* filter, const std::string& oldDescription) {
    return "RegDB Key: " + key + "\nRegDB Val: " + filter + "\nRegDB Name: LowerFilters\nRegDB Root: 2\n" +
           "RegDB Key: " + key + "\nRegDB Val: StrTemp\nRegDB Name: DeviceDesc\nRegDB Root: 2\n" +
           "RegDB Old: " + oldDescription + "\n";
}

void CheckRegistryReturnsOne(const InstallScene& scene, const char* windowsVersion) {
    const DWORD exitCode = scene.RunRegistry(windowsVersion);
    E2E_CHECK_EQ(exitCode, DWORD{1}, std::string("Registry on ") + windowsVersion);
}

void CheckNoPackage(const InstallScene& scene) {
    E2E_CHECK(scene.InstallerRuns().empty(), "the package installer must not run");
    for (const char* file : {"DPInst.exe", "uninstall.bat", "UsbSnoop.Inf", "UsbSnoop.sys", "UsbSnoop.cat"}) {
        E2E_CHECK(!ReadWholeFile(scene.PackageDestination(file)), std::string(file) + " must not be copied");
    }
}

// The package copies run on their own: wait for each file to arrive whole.
void CheckPackageCopied(const InstallScene& scene, const char* architecture, std::vector<const char*> files) {
    for (const char* file : files) {
        const std::string expected = ReadWholeFile(scene.PackageSource(architecture, file)).value_or("");
        E2E_CHECK(scene.WaitForPackageFile(file, expected),
                  std::string(file) + " from Driver\\" + architecture + "\\ in the product's Driver folder");
    }
}

// The installer is waited for: both runs have ended by the time Registry returns.
void CheckInstallerRemovedThenInstalled(const InstallScene& scene) {
    const std::string installer = "\"" + scene.PackageDestination("DPInst.exe") + "\"";
    const std::vector<std::string> expected = {
        "C:\\|" + installer + "  /u  \"" + scene.PackageDestination("UsbSnoop.inf") + "\"",
        "C:\\|" + installer + "  /f"};
    const std::vector<std::string> runs = scene.InstallerRuns();
    E2E_CHECK(runs == expected, "installer runs: " + (runs.empty() ? "none" : runs.front()) + " ... (" +
                                    std::to_string(runs.size()) + " in all)");
}

void CheckDriverInstalled(const InstallScene& scene, const char* file) {
    E2E_CHECK(scene.InstalledDriver() == InstallScene::DriverContent(file),
              std::string(file) + " copied to the system's driver folder as filtrum.sys");
}

}  // namespace

E2E_CASE(Install, Win98ChangesInst0AndInstallsThe98Driver) {
    InstallScene scene;
    scene.WriteProductKey();
    MadeKey device(HKEY_LOCAL_MACHINE, k9xDeviceKey);
    device.Write("DeviceDesc", "HID Keyboard Device");

    CheckRegistryReturnsOne(scene, "win98");

    // Nine lines after those the setup had written.
    E2E_CHECK(scene.Log() == InstallScene::kSetupLogLines + LogBlocks(k9xDeviceKey, "filtrum.sys", "HID Keyboard Device"),
              "install log:\n" + scene.Log());
    CheckDriverInstalled(scene, "filtrum_98.sys");
    CheckNoPackage(scene);
}

E2E_CASE(Install, Win98WithoutItsDriverFileLeavesTheKeyboardAlone) {
    InstallScene scene;
    scene.WriteProductKey();
    scene.RemoveProductDriver("filtrum_98.sys");
    MadeKey device(HKEY_LOCAL_MACHINE, k9xDeviceKey);

    CheckRegistryReturnsOne(scene, "win98");

    E2E_CHECK(!scene.InstalledDriver(), "no driver file to install");
    E2E_CHECK(scene.Log() == InstallScene::kSetupLogLines, "no filter named without its file:\n" + scene.Log());
}

E2E_CASE(Install, WinXpVisitsEachInstanceInOrderAndStoresNoValue) {
    InstallScene scene;
    scene.WriteProductKey();
    MadeKey devices(HKEY_LOCAL_MACHINE, kNtDevicesKey);
    MadeKey first(HKEY_LOCAL_MACHINE, devices.Path() + "\\5&1f0c2a3b&0&1");
    first.Write("DeviceDesc", "USB Human Interface Device");
    MadeKey second(HKEY_LOCAL_MACHINE, devices.Path() + "\\5&1f0c2a3b&0&2");
    MadeKey parameters(HKEY_LOCAL_MACHINE, std::string(kServiceKey) + "\\Corvale");
    MadeKey security(HKEY_LOCAL_MACHINE, std::string(kServiceKey) + "\\Security");

    CheckRegistryReturnsOne(scene, "winxp");

    std::string expected = InstallScene::kSetupLogLines;
    for (const std::string& name : devices.Subkeys()) {
        const std::string key = devices.Path() + "\\" + name;
        expected += LogBlocks(key, "filtrum", key == first.Path() ? "USB Human Interface Device" : "");
    }
    E2E_CHECK(devices.Subkeys().size() == 2, "two instances");
    E2E_CHECK(scene.Log() == expected, "install log:\n" + scene.Log());
    CheckDriverInstalled(scene, "filtrum_nt.sys");
    CheckNoPackage(scene);
    // The keys are opened for reading: a filter that cannot load here would
    // leave the keyboard without a driver.
    for (const MadeKey* instance : {&first, &second}) {
        E2E_CHECK(!ReadRawValue(HKEY_LOCAL_MACHINE, instance->Path(), "LowerFilters"), instance->Path());
    }
    E2E_CHECK(ReadRawValue(HKEY_LOCAL_MACHINE, first.Path(), "DeviceDesc")->data ==
                  std::string("USB Human Interface Device", sizeof "USB Human Interface Device"),
              "the description stays");
    for (const char* name : {"Type", "ImagePath", "Tag"}) {
        E2E_CHECK(!ReadRawValue(HKEY_LOCAL_MACHINE, kServiceKey, name), name);
    }
    E2E_CHECK(!ReadRawValue(HKEY_LOCAL_MACHINE, parameters.Path(), "KeyDef"), "KeyDef");
    E2E_CHECK(!ReadRawValue(HKEY_LOCAL_MACHINE, security.Path(), "Security"), "Security");
}

E2E_CASE(Install, Win2000LooksAtTenInstancesAtMost) {
    InstallScene scene;
    scene.WriteProductKey();
    MadeKey devices(HKEY_LOCAL_MACHINE, kNtDevicesKey);
    std::vector<std::unique_ptr<MadeKey>> instances;
    for (int i = 10; i <= 20; ++i) {
        instances.push_back(std::make_unique<MadeKey>(HKEY_LOCAL_MACHINE, devices.Path() + "\\" + std::to_string(i)));
    }

    CheckRegistryReturnsOne(scene, "win2k");

    const std::vector<std::string> names = devices.Subkeys();
    E2E_CHECK(names.size() == 11, "eleven instances");
    std::string expected = InstallScene::kSetupLogLines;
    for (std::size_t i = 0; i < 10; ++i) {
        expected += LogBlocks(devices.Path() + "\\" + names[i], "filtrum", "");
    }
    E2E_CHECK(scene.Log() == expected, "install log:\n" + scene.Log());
}

E2E_CASE(Install, VistaX86CopiesFourPackageFilesAndWaitsForBothInstallerRuns) {
    InstallScene scene;
    scene.WriteProductKey();
    scene.SetBuildLabel(kX86Label);
    // A package file from an earlier installation is replaced.
    std::ofstream(scene.PackageDestination("UsbSnoop.sys"), std::ios::binary) << "older UsbSnoop.sys";

    CheckRegistryReturnsOne(scene, "vista");

    CheckInstallerRemovedThenInstalled(scene);
    CheckPackageCopied(scene, "X86", {"DPInst.exe", "uninstall.bat", "UsbSnoop.Inf", "UsbSnoop.sys"});
    E2E_CHECK(!ReadWholeFile(scene.PackageDestination("UsbSnoop.cat")), "no catalogue on x86");
    CheckDriverInstalled(scene, "filtrum_nt.sys");
}

E2E_CASE(Install, VistaAmd64CopiesFivePackageFiles) {
    InstallScene scene;
    scene.WriteProductKey();
    scene.SetBuildLabel(kAmd64Label);

    CheckRegistryReturnsOne(scene, "vista");

    CheckInstallerRemovedThenInstalled(scene);
    CheckPackageCopied(scene, "X64", {"DPInst.exe", "uninstall.bat", "UsbSnoop.Inf", "UsbSnoop.sys", "UsbSnoop.cat"});
}

E2E_CASE(Install, Win10GetsNoPackageAndNoInstallerRun) {
    InstallScene scene;
    scene.WriteProductKey();
    scene.SetBuildLabel(kX86Label);

    CheckRegistryReturnsOne(scene, "win10");

    CheckNoPackage(scene);
    CheckDriverInstalled(scene, "filtrum_nt.sys");
}

E2E_CASE(Install, WithoutTheProductKeyReturnsOneAndLeavesTheMachineAlone) {
    InstallScene scene;
    scene.SetBuildLabel(kX86Label);
    MadeKey devices(HKEY_LOCAL_MACHINE, kNtDevicesKey);
    MadeKey instance(HKEY_LOCAL_MACHINE, devices.Path() + "\\5&1f0c2a3b&0&1");

    CheckRegistryReturnsOne(scene, "vista");

    CheckNoPackage(scene);
    E2E_CHECK(!scene.InstalledDriver(), "no driver file installed");
    E2E_CHECK(scene.Log() == InstallScene::kSetupLogLines, "the product's log is not touched");
    for (const char* stray : {"C:\\INSTALL.LOG", "C:\\Driver"}) {
        E2E_CHECK(::GetFileAttributesA(stray) == INVALID_FILE_ATTRIBUTES, std::string(stray) + " must not appear");
    }
}

}  // namespace e2e
