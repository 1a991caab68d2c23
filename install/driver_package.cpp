#include "install/install_steps.h"

#include "driver/run_and_wait_win32.h"

#include <windows.h>
#include <shellapi.h>

void SetUpDriverPackage(const InstallPlan& plan) {
    for (const std::string& parameters : plan.packageCopies) {
        ::ShellExecuteA(nullptr, "open", "cmd.exe", parameters.c_str(), nullptr, SW_HIDE);
        // The copy goes on by itself; this is the time it is given.
        ::Sleep(200);
    }
    if (!plan.uninstallCommand.empty()) {
        RunAndWait(plan.uninstallCommand);
        RunAndWait(plan.installCommand);
    }
}

void CopyDriverFile(const InstallPlan& plan) {
    if (plan.driverCopy) {
        ::CopyFileA(plan.driverCopy->from.c_str(), plan.driverCopy->to.c_str(), FALSE);
    }
}
