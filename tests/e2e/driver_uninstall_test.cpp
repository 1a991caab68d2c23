// Command 32795 of the view: remove the driver package, nothing more.
#include "tests/e2e/driver_scene.h"
#include "tests/e2e/e2e.h"

#include <string>
#include <vector>

namespace e2e {

E2E_CASE(DriverUninstall, Command32795RunsTheUninstallerInCAndWaitsForIt) {
    DriverScene scene;
    const std::string instance = scene.AddInstance(std::string("UsbSnoop"), DriverScene::Dword(0));

    scene.Keyvane().SendToView(WM_COMMAND, 32795, 0);

    // The stand-in records its run as it ends: already there when the command returns.
    const std::vector<std::string> records = scene.InstallerRecords();
    E2E_CHECK(records == std::vector<std::string>{"C:\\|" + DriverScene::UninstallCommand()},
              "one uninstall run, ended: " + std::to_string(records.size()) + " run(s)");
    E2E_CHECK(scene.WaitPasses(3), "the poll thread goes on");
    const std::string uninstall = DriverScene::UninstallCommand();
    E2E_CHECK(scene.InstallerEvents() == (std::vector<std::string>{"started: " + uninstall, "ended: " + uninstall}),
              "the package is not installed again");
    E2E_CHECK(scene.FirstLowerFilter(instance) == "UsbSnoop", "the instance keeps its filter");
}

}  // namespace e2e
