#include "install/install_os_kind.h"
#include "registry/reg_access.h"

namespace {

std::string ReadBuildLabel() {
    constexpr char kVersionKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    // The setup may run as a user whom this key does not let read.
    CRegAccess::GrantKeyAccess(HKEY_LOCAL_MACHINE, kVersionKey);
    CRegAccess key(HKEY_LOCAL_MACHINE);
    std::string label;
    if (key.Open(HKEY_LOCAL_MACHINE, kVersionKey)) {
        key.QueryString("BuildLabEx", label);
    }
    return label;
}

}  // namespace

int QueryInstallOsKind() {
    return ClassifyInstallOsKind(ReadOsVersion(), &ReadBuildLabel);
}
