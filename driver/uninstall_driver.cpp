#include "app/tamber_view.h"
#include "driver/driver_package.h"
#include "driver/program_directory.h"
#include "driver/run_and_wait_win32.h"

// Removes the package only, as asked; the user-interface thread waits while
// the uninstaller works.
void CTamberView::OnUninstallDriver() {
    if (const std::optional<DriverPackage> package = DriverPackageIn(GetProgramDirectory())) {
        RunAndWait(package->uninstallCommand);
    }
}
