#include "driver/os_architecture.h"
#include "registry/reg_access.h"

std::string ReadBuildLab() {
    constexpr char kVersionKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    // Opened to interactive users first, like every system key the program reads.
    CRegAccess::GrantKeyAccess(HKEY_LOCAL_MACHINE, kVersionKey);
    CRegAccess version(HKEY_LOCAL_MACHINE);
    std::string buildLab;
    if (version.Open(HKEY_LOCAL_MACHINE, kVersionKey)) {
        version.QueryString("BuildLabEx", buildLab);
    }
    return buildLab;
}
