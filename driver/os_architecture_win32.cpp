#include "driver/os_architecture.h"
#include "registry/reg_access.h"

namespace {

constexpr char kVersionKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

}  // namespace

int QueryOsArchitecture() {
    // Opened to interactive users first, like every system key the program reads.
    CRegAccess::GrantKeyAccess(HKEY_LOCAL_MACHINE, kVersionKey);
    CRegAccess version(HKEY_LOCAL_MACHINE);
    std::string buildLab;
    if (version.Open(HKEY_LOCAL_MACHINE, kVersionKey, false)) {
        version.QueryString("BuildLabEx", buildLab);
    }
    return ClassifyBuildLab(buildLab);
}
