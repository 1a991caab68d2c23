// The tray program keeps the filter driver "UsbSnoop" under the keyboard: the
// poll thread's driver check against keyboard instances in the registry and
// the stand-in installer in the program's "Driver" folder.
#include "tests/e2e/driver_scene.h"
#include "tests/e2e/e2e.h"

#include <memory>
#include <string>
#include <vector>

namespace e2e {

namespace {

using Lines = std::vector<std::string>;

constexpr char kWizardTitle[] = "Device Driver Installation Wizard";
constexpr char kUninstallerTitle[] = "Uninstall Driver Package";
// The driver check runs between any two of these; a few make sure that
// whatever it would start has started.
constexpr int kQuietPasses = 3;

// One reinstall: the uninstaller run to its end, then the installer started.
Lines OneReinstall() {
    const std::string uninstall = DriverScene::UninstallCommand();
    const std::string install = DriverScene::InstallCommand();
    return {"started: " + uninstall, "ended: " + uninstall, "started: " + install, "ended: " + install};
}

std::string Joined(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += "\n  " + line;
    }
    return text.empty() ? " none" : text;
}

void CheckEvents(const DriverScene& scene, const Lines& expected, const std::string& what) {
    const Lines events = scene.InstallerEvents();
    E2E_CHECK(events == expected, what + "; the installer's runs:" + Joined(events));
}

void CheckQuiet(const DriverScene& scene, const Lines& expected, const std::string& what) {
    E2E_CHECK(scene.WaitPasses(kQuietPasses), "the poll thread goes on");
    CheckEvents(scene, expected, what);
}

}  // namespace

E2E_CASE(DriverCheck, ConfiguredInstanceWithoutTheFilterGetsOneReinstall) {
    DriverScene scene;
    const std::string instance = scene.AddInstance(std::nullopt, DriverScene::Dword(0));

    E2E_CHECK(scene.WaitForInstallerEvents(4), "the installer ran twice");
    CheckEvents(scene, OneReinstall(), "one uninstall, waited for, then one install");
    E2E_CHECK(scene.InstallerRecords().front() == "C:\\|" + DriverScene::UninstallCommand(),
              "the uninstaller works in C:\\");
    E2E_CHECK(scene.FirstLowerFilter(instance) == "UsbSnoop", "the installer put the filter in place");
    CheckQuiet(scene, OneReinstall(), "nothing more once the filter is in place");
    E2E_CHECK(scene.ReinstallLines().size() == 1, "one reinstall:" + Joined(scene.ReinstallLines()));
}

E2E_CASE(DriverCheck, AnInstallThatFailsIsNotTriedAgainForTheSameInstance) {
    const InstallerCancels cancels;
    DriverScene scene;
    // Another first filter, or "UsbSnoop" in the wrong letter case, is no filter of ours.
    const Lines instances = {scene.AddInstance(std::nullopt, DriverScene::Dword(0)),
                             scene.AddInstance(std::string("kbdfilter\0UsbSnoop", 18), DriverScene::Dword(0)),
                             scene.AddInstance(std::string("usbsnoop"), DriverScene::Dword(0))};

    // The wizard of each holds the next back until it has gone.
    E2E_CHECK(scene.WaitForInstallerEvents(12, 20000), "three reinstalls");
    Lines expected;
    for (int i = 0; i < 3; ++i) {
        const Lines one = OneReinstall();
        expected.insert(expected.end(), one.begin(), one.end());
    }
    CheckQuiet(scene, expected, "one reinstall per instance, and none after the wizards were cancelled");
    const Lines reinstalls = scene.ReinstallLines();
    E2E_CHECK(reinstalls.size() == 3, "three reinstalls:" + Joined(reinstalls));
    for (std::size_t i = 0; i < instances.size(); ++i) {
        E2E_CHECK(reinstalls[i].find("instance " + instances[i] + " ") != std::string::npos,
                  instances[i] + " in turn:" + Joined(reinstalls));
        E2E_CHECK(scene.FirstLowerFilter(instances[i]) != "UsbSnoop", "the cancelled wizard set no filter");
    }
}

E2E_CASE(DriverCheck, InstancesNotConfiguredOrAlreadyFilteredAreLeftAlone) {
    DriverScene scene;
    const RawValue flagsAsText{REG_SZ, std::string("0", 2)};
    scene.AddInstance(std::nullopt, std::nullopt);
    scene.AddInstance(std::nullopt, DriverScene::Dword(1));
    scene.AddInstance(std::string("kbdfilter"), DriverScene::Dword(0x400));
    scene.AddInstance(std::nullopt, flagsAsText);
    scene.AddInstance(std::string("UsbSnoop"), DriverScene::Dword(0));
    scene.AddInstance(std::string("UsbSnoop\0kbdfilter", 18), DriverScene::Dword(1));
    scene.AddInstance(std::string("UsbSnoop"), std::nullopt);

    CheckQuiet(scene, {}, "no instance needs the package");
}

E2E_CASE(DriverCheck, AnOpenInstallerDialogHoldsTheReinstallBack) {
    DriverScene scene;
    auto dialog = std::make_unique<TitledWindow>("#32770", kWizardTitle);
    scene.AddInstance(std::nullopt, DriverScene::Dword(0));
    CheckQuiet(scene, {}, "the installer's wizard is open");

    auto uninstaller = std::make_unique<TitledWindow>("#32770", kUninstallerTitle);
    dialog.reset();
    CheckQuiet(scene, {}, "the uninstaller's dialog is open");

    // Only a dialog counts: a window of another kind with the title does not.
    const TitledWindow impostor("Static", kWizardTitle);
    uninstaller.reset();
    E2E_CHECK(scene.WaitForInstallerEvents(4), "the installer ran twice");
    CheckEvents(scene, OneReinstall(), "one reinstall");
}

E2E_CASE(DriverCheck, OnlyTheFirstTenInstancesAreLookedAt) {
    DriverScene scene;
    for (int i = 0; i < 11; ++i) {
        scene.AddInstance(std::string("UsbSnoop"), DriverScene::Dword(0));
    }
    const Lines instances = scene.Instances();
    E2E_CHECK(instances.size() == 11, "eleven instances");
    scene.SetLowerFilters(instances[10], "kbdfilter");
    CheckQuiet(scene, {}, "the eleventh instance is not looked at");

    scene.SetLowerFilters(instances[9], "kbdfilter");
    E2E_CHECK(scene.WaitForInstallerEvents(4), "the tenth instance is reinstalled");
    const Lines reinstalls = scene.ReinstallLines();
    E2E_CHECK(reinstalls.size() == 1 && reinstalls[0].find("instance " + instances[9] + " ") != std::string::npos,
              "the tenth instance:" + Joined(reinstalls));
}

E2E_CASE(DriverCheck, WithoutTheInstallerNothingStartsAndKeysKeepComing) {
    DriverScene scene;
    InstallerRemoved removed;
    scene.AddInstance(std::nullopt, DriverScene::Dword(0));

    // A key written to the key log is dispatched within its normal period,
    // pass after pass: the check neither runs nor waits for anything.
    E2E_CHECK(scene.WaitPasses(5, 2000), "each key came within 2 s");
    E2E_CHECK(scene.ReinstallLines().empty(), "no reinstall:" + Joined(scene.ReinstallLines()));
    CheckEvents(scene, {}, "no installer");

    // Nothing was tried, so nothing is held back once the installer is there.
    removed.PutBack();
    E2E_CHECK(scene.WaitForInstallerEvents(4), "the installer ran twice once it was back");
    CheckEvents(scene, OneReinstall(), "one reinstall");
}

}  // namespace e2e
