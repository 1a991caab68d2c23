#include "install/install_log.h"
#include "install/install_steps.h"
#include "registry/reg_access.h"

#include <cstdio>
#include <memory>

namespace {

// The keyboard's instances beyond the tenth are left alone.
constexpr DWORD kMaxInstances = 10;

void AppendToLog(const std::string& logPath, const std::string& lines) {
    if (logPath.empty()) {
        return;
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> log(std::fopen(logPath.c_str(), "at"), &std::fclose);
    if (log) {
        std::fseek(log.get(), 0, SEEK_END);
        std::fputs(lines.c_str(), log.get());
    }
}

// The key is opened, never made: a device that is not there stays so.
void ChangeDeviceKey(const InstallPlan& plan, const std::string& path) {
    CRegAccess key(HKEY_LOCAL_MACHINE);
    if (!key.Open(HKEY_LOCAL_MACHINE, path.c_str())) {
        return;
    }
    key.SetString("LowerFilters", plan.lowerFilter);
    std::string oldDescription;
    key.QueryString("DeviceDesc", oldDescription);
    key.SetString("DeviceDesc", plan.deviceDescription);
    AppendToLog(plan.installLog, DeviceKeyLogLines(path, plan.lowerFilter, oldDescription));
}

void ChangeInstanceKeys(const InstallPlan& plan) {
    for (DWORD index = 0; index < kMaxInstances; ++index) {
        // Setup may run as a user whom the device keys keep out.
        CRegAccess::GrantKeyAccess(HKEY_LOCAL_MACHINE, plan.deviceKey.c_str());
        char name[256] = {};
        {
            CRegAccess devices(HKEY_LOCAL_MACHINE);
            if (!devices.Open(HKEY_LOCAL_MACHINE, plan.deviceKey.c_str()) || !devices.EnumSubkey(name, index)) {
                return;
            }
        }
        const std::string instance = plan.deviceKey + "\\" + name;
        CRegAccess::GrantKeyAccess(HKEY_LOCAL_MACHINE, instance.c_str());
        ChangeDeviceKey(plan, instance);
    }
}

bool FileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

void ChangeDeviceKeys(const InstallPlan& plan) {
    if (plan.deviceKey.empty()) {
        return;
    }
    if (plan.deviceKeyHasInstances) {
        ChangeInstanceKeys(plan);
        return;
    }
    // A lower filter whose file is missing keeps the keyboard from starting.
    if (FileExists(plan.installedDriver)) {
        ChangeDeviceKey(plan, plan.deviceKey);
    }
}
