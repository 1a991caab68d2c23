#include "install/install_steps.h"

#include <windows.h>
#include <shellapi.h>

namespace {

// Runs a command line in "C:\", shown normally, until it ends.
void RunAndWait(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, "C:\\", &startup,
                          &process)) {
        return;
    }
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

}  // namespace

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
