#include "install/install_steps.h"
#include "install/key_definitions.h"
#include "install/service_security.h"
#include "registry/reg_access.h"

namespace {

constexpr char kServiceKey[] = "SYSTEM\\CurrentControlSet\\Services\\Filtrum";
constexpr DWORD kKernelDriver = 1;
constexpr DWORD kDemandStart = 3;
constexpr DWORD kIgnoreErrors = 0;
constexpr DWORD kLoadOrderTag = 7;

void FillService(const InstallPlan& plan) {
    CRegAccess key(HKEY_LOCAL_MACHINE);
    if (!key.Open(HKEY_LOCAL_MACHINE, kServiceKey)) {
        return;
    }
    key.SetDwordRaw("Type", kKernelDriver);
    key.SetDwordRaw("Start", kDemandStart);
    key.SetDwordRaw("ErrorControl", kIgnoreErrors);
    key.SetString("ImagePath", plan.imagePath);
    key.SetString("DisplayName", "FilTrum");
    key.SetString("Group", "Extended Base");
    key.SetDwordRaw("Tag", kLoadOrderTag);
}

// What the driver reads to know the keyboard and its keys.
void FillDriverParameters(const ProductValues& values) {
    CRegAccess key(HKEY_LOCAL_MACHINE);
    if (!key.Open(HKEY_LOCAL_MACHINE, (std::string(kServiceKey) + "\\Corvale").c_str())) {
        return;
    }
    // An identifier the setup did not leave is not written as 0.
    if (values.idProduct) {
        key.SetDwordRaw("idProduct", *values.idProduct);
    }
    if (values.idVendor) {
        key.SetDwordRaw("idVendor", *values.idVendor);
    }
    key.SetBinary("KeyDef", KeyDef.data(), static_cast<DWORD>(KeyDef.size()));
    key.SetDwordRaw("MemAddr", 0);
}

void FillServiceSecurity() {
    CRegAccess key(HKEY_LOCAL_MACHINE);
    if (key.Open(HKEY_LOCAL_MACHINE, (std::string(kServiceKey) + "\\Security").c_str())) {
        key.SetBinary("Security", ServiceSecurity.data(), static_cast<DWORD>(ServiceSecurity.size()));
    }
}

}  // namespace

void FillServiceKeys(const InstallPlan& plan, const ProductValues& values) {
    FillService(plan);
    FillDriverParameters(values);
    FillServiceSecurity();
}
