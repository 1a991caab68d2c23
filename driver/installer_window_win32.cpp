#include "driver/installer_window_win32.h"

#include <cstring>

namespace {

constexpr char kDialogClass[] = "#32770";
constexpr const char* kInstallerTitles[] = {"Device Driver Installation Wizard", "Uninstall Driver Package"};
constexpr DWORD kLookPeriodMs = 50;

bool IsInstallerTitle(const char* title) {
    for (const char* installerTitle : kInstallerTitles) {
        if (std::strcmp(title, installerTitle) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool IsInstallerDialogOpen() {
    // Every dialog is looked at, not only the first window of such a title: a
    // window of another kind that happens to carry it must not hide the
    // installer at work behind it.
    for (HWND dialog = ::FindWindowExA(nullptr, nullptr, kDialogClass, nullptr); dialog != nullptr;
         dialog = ::FindWindowExA(nullptr, dialog, kDialogClass, nullptr)) {
        char title[100] = {};
        ::GetWindowTextA(dialog, title, sizeof title);
        if (IsInstallerTitle(title)) {
            return true;
        }
    }
    return false;
}

void WaitForInstallerDialog(DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (!IsInstallerDialogOpen() && ::GetTickCount() - start < timeoutMs) {
        ::Sleep(kLookPeriodMs);
    }
}
