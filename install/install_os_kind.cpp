#include "install/install_os_kind.h"

#include "driver/os_architecture.h"

int ClassifyInstallOsKind(const OsVersion& version, const std::function<std::string()>& readBuildLabel) {
    const int kind = ClassifyOsKind(version.ntFamily, version.quickMajor, version.record);
    if (kind != kOsVista) {
        return kind;
    }
    // Vista's class comes from a full version record only; the program's
    // class 8 holds every later release too, the installer's only Vista.
    if (version.record->major != 6 || version.record->minor != 0) {
        return kOsOtherNt;
    }
    return ClassifyBuildLab(readBuildLabel()) == kArchX86 ? kInstallVistaX86 : kInstallVistaX64;
}

bool IsWindows95Family(int installOsKind) {
    return installOsKind == kOsWin95 || installOsKind == kOsWin98 || installOsKind == kOsWinMe;
}

bool NeedsDriverPackage(int installOsKind) {
    return installOsKind == kInstallVistaX86 || installOsKind == kInstallVistaX64;
}
